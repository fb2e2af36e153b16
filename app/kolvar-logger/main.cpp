// kolvar-logger - writes the temperature log that Kolvar reads
//
// SYNOPSIS
//   kolvar-logger [--config FILE] [--log FILE] [--interval SECONDS] [--sysfs DIR] [--once]
//   kolvar-logger --list [--config FILE] [--sysfs DIR]
//   kolvar-logger --help
//
// DESCRIPTION
//   Polls up to five 1-Wire thermometers through the kernel's sysfs files
//   (DIR/<id>/temperature, or DIR/<id>/w1_slave on older kernels) and appends
//   one line per poll to the log, in the columns Kolvar reads by position:
//     characters 1-8    time stamp HH:MM:SS, local time
//     characters 10k to 10k+8   sensor k (k = 1 to 5), degrees with three
//                       decimals ("23.125"), left-aligned; blank when the
//                       sensor is missing, fails its CRC check, gives
//                       anything unreadable or out of range (-55 to 125), or
//                       reports the power-on value 85.000 (taken as real
//                       only when its previous reading was within 1 degree)
//   Lines end with CR LF; blanks at the end of a line are left out. A line is
//   at most 60 bytes, so at one line a second the log grows by 4 to 5 MB a
//   day (about 150 MB a month). The logger never shortens or rotates it; it
//   opens the log for each line, so the log may be emptied or deleted
//   between runs (or even during one) and the next line starts it again.
//
//   Only one copy writes a given log: a copy holds an flock on LOG.lock
//   beside the log; a second copy reports the running one and exits with
//   status 0, leaving the log alone.
//
// OPTIONS
//   --config FILE     configuration (default $XDG_CONFIG_HOME/kolvar/logger.conf,
//                     that is ~/.config/kolvar/logger.conf)
//   --log FILE        the log (default: the configuration's 'log' line, else
//                     $XDG_STATE_HOME/kolvar/temperatures.log, that is
//                     ~/.local/state/kolvar/temperatures.log); missing folders
//                     are created
//   --interval SECONDS  seconds from the start of one poll to the next, 1 to
//                     3600 (default: the configuration's 'interval', else 1); a
//                     poll takes up to 0.75 s per sensor, and one that overruns
//                     is followed by the next at once
//   --sysfs DIR       where the sensor folders are (default /sys/bus/w1/devices)
//   --once            write one line and exit
//   --list            show the sensors found, their columns and readings
//   --help            show a short help
//
// CONFIGURATION
//   One setting a line, '#' starts a comment:
//     1 28-0000075a1b2c      sensor id for column 1 (columns 1 to 5)
//     log /home/user/kolvar/temperatures.log   (relative: from the file's folder)
//     interval 1
//
// EXIT STATUS
//   0  stopped by SIGTERM, SIGINT or SIGHUP; --once wrote its line; another
//      copy already writes the log; --list or --help
//   1  the log or its lock file cannot be written at start (--once: the line)
//   2  a wrong option, or a configuration that cannot be read or is wrong
//
// A write that fails while running is reported on stderr and the logger goes
// on polling; the controller sees the log stall meanwhile.
#include <iostream>
#include <string>
#include <vector>

#include "logger/logger_program.h"

int main(int argc, char** argv) {
  return kolvar::logger::logger_main(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                     std::cerr);
}
