// kolvar_ds18b20: up to five DS18B20 thermometers on one pin of an Arduino,
// printed on its USB serial port once a second for kolvar-logger's serial
// source. Each line holds one ID=VALUE pair per sensor read well:
//
//   28-0000075a1b2c=78.312 28-0000075a3d4e=92.125
//
// The ID is the sensor's ROM code written as Linux's 1-Wire driver names it,
// so the columns set up in logger.conf ("1 28-0000075a1b2c") stay right when
// the sensors move between a Raspberry Pi and this board, and the order in
// which the bus finds them never matters. A sensor that does not answer, or
// answers with a bad checksum or the 85.000 it holds after power-on, is left
// out of the line: the logger then blanks its column, which Kolvar takes as
// a read error. Lines starting with '#' are notes for a person reading the
// serial monitor; the logger ignores them.
//
// Wiring: every sensor's data line to pin 2 (below), with one 4.7 kOhm
// resistor from that pin to 5 V; each sensor's VDD to 5 V and GND to GND.
// Parasite power (VDD tied to GND) is not advised: the line may sag while a
// hot sensor converts.
//
// Needs the OneWire and DallasTemperature libraries (Arduino IDE: Sketch,
// Include Library, Manage Libraries).
#include <DallasTemperature.h>
#include <OneWire.h>

namespace {

const uint8_t kBusPin = 2;
const uint8_t kMaxSensors = 5;
const unsigned long kLineMs = 1000;
// New sensors are looked for every so many lines, so one plugged in later
// is found without a reset.
const uint8_t kLinesBetweenSearches = 30;

OneWire bus(kBusPin);
DallasTemperature sensors(&bus);

DeviceAddress found[kMaxSensors];
uint8_t found_count = 0;
// The last reading printed of each sensor; NAN before the first.
float last_printed[kMaxSensors];
uint8_t lines_since_search = 0;
unsigned long next_line_at = 0;

// "28-0000075a1b2c": the family code, then the 48-bit serial number from its
// most significant byte down, in lowercase hexadecimal.
void print_id(const DeviceAddress address) {
  const char* digits = "0123456789abcdef";
  Serial.print(digits[address[0] >> 4]);
  Serial.print(digits[address[0] & 0x0f]);
  Serial.print('-');
  for (int8_t i = 6; i >= 1; --i) {
    Serial.print(digits[address[i] >> 4]);
    Serial.print(digits[address[i] & 0x0f]);
  }
}

void search() {
  sensors.begin();
  uint8_t count = 0;
  for (uint8_t i = 0; i < sensors.getDeviceCount() && count < kMaxSensors; ++i) {
    DeviceAddress address;
    if (!sensors.getAddress(address, i) || !sensors.validFamily(address)) continue;
    // A sensor already known keeps its last reading.
    float last = NAN;
    for (uint8_t k = 0; k < found_count; ++k) {
      if (memcmp(found[k], address, sizeof(DeviceAddress)) == 0) last = last_printed[k];
    }
    memcpy(found[count], address, sizeof(DeviceAddress));
    last_printed[count] = last;
    sensors.setResolution(address, 12);
    ++count;
  }
  if (count != found_count) {
    Serial.print(F("# kolvar_ds18b20: "));
    Serial.print(count);
    Serial.print(F(" sensor(s):"));
    for (uint8_t k = 0; k < count; ++k) {
      Serial.print(' ');
      print_id(found[k]);
    }
    Serial.println();
  }
  found_count = count;
  lines_since_search = 0;
}

// Whether a reading is one to print: not the value of a sensor that did not
// answer or failed its checksum, and not the power-on 85.000 unless the
// sensor was that warm a moment ago (a boiler may well be at 85 degrees).
bool plausible(float celsius, float last) {
  if (celsius == DEVICE_DISCONNECTED_C) return false;
  if (celsius < -55.0 || celsius > 125.0) return false;
  if (celsius == 85.0) return !isnan(last) && fabs(last - 85.0) <= 1.0;
  return true;
}

}  // namespace

void setup() {
  Serial.begin(9600);
  for (uint8_t k = 0; k < kMaxSensors; ++k) last_printed[k] = NAN;
  search();
  if (found_count == 0) Serial.println(F("# kolvar_ds18b20: no sensors on the bus yet"));
  next_line_at = millis();
}

void loop() {
  // One line a second, measured from the start of one line to the next; a
  // conversion at 12 bits takes up to 750 ms of it.
  while (static_cast<long>(millis() - next_line_at) < 0) {
  }
  next_line_at += kLineMs;
  // A line that came late moves the next ones on rather than crowding them.
  if (static_cast<long>(millis() - next_line_at) > 0) next_line_at = millis() + kLineMs;

  if (++lines_since_search >= kLinesBetweenSearches || found_count == 0) search();
  sensors.requestTemperatures();
  bool first = true;
  for (uint8_t k = 0; k < found_count; ++k) {
    const float celsius = sensors.getTempC(found[k]);
    if (!plausible(celsius, last_printed[k])) continue;
    if (!first) Serial.print(' ');
    first = false;
    print_id(found[k]);
    Serial.print('=');
    Serial.print(celsius, 3);
    last_printed[k] = celsius;
  }
  // An empty line when no sensor read well: the logger keeps the board's
  // columns blank, and the line still tells it the board is alive.
  Serial.println();
}
