#include "form/window_places.h"

#include <stdexcept>
#include <string>

namespace kolvar::form {

namespace {

// The panels were drawn on a 96 dots-per-inch screen: one pixel there is 15
// twips, and the table below keeps those pixels so that it reads as drawn.
constexpr int kTwipsPerPixel = 15;

struct Place {
  const char* control;  // the full name, as in scripts
  int left, top, width, height;
};

// Temperature-control panel, 265 x 329: the table on the left, tolerance and
// manual take-off on the right, then the buttons, the pins and the news.
constexpr Place kTemperaturePanel[] = {
    {"Label10(0)", 8, 16, 72, 14},
    {"Label10(2)", 82, 16, 38, 14},
    {"Label10(3)", 122, 16, 46, 14},
    {"L(1)", 8, 34, 72, 15},
    {"T(1)", 82, 34, 38, 15},
    {"T2(1)", 122, 34, 28, 15},
    {"V(1)", 151, 32, 17, 19},
    {"L(2)", 8, 53, 72, 15},
    {"T(2)", 82, 53, 38, 15},
    {"T2(2)", 122, 53, 28, 15},
    {"V(2)", 151, 51, 17, 19},
    {"L(3)", 8, 72, 72, 15},
    {"T(3)", 82, 72, 38, 15},
    {"T2(3)", 122, 72, 28, 15},
    {"V(3)", 151, 70, 17, 19},
    {"L(0)", 8, 91, 72, 15},
    {"T2(4)", 122, 91, 28, 15},
    {"V(4)", 151, 89, 17, 19},
    {"L(5)", 8, 110, 72, 15},
    {"T(4)", 82, 110, 38, 15},
    {"L(4)", 8, 129, 72, 15},
    {"T2(5)", 122, 129, 28, 15},
    {"V(5)", 151, 127, 17, 19},
    {"Label11", 8, 152, 72, 15},
    {"Inter", 82, 152, 18, 15},
    {"Label5", 102, 152, 30, 15},
    {"Interval", 151, 150, 17, 19},
    {"Dopusk2", 176, 16, 84, 14},
    {"dopusk", 176, 31, 17, 19},
    {"dopusk1", 196, 33, 60, 15},
    {"manual_otb_2", 176, 53, 84, 26},
    {"manual_otb_Ch", 176, 82, 16, 17},
    {"manual_otb", 194, 80, 17, 19},
    {"manual_otb_1", 214, 82, 40, 15},
    {"manual_temp_CH", 176, 102, 86, 17},
    {"otb_po_t_bragi", 176, 120, 86, 17},
    {"Shape1", 176, 144, 14, 14},
    {"Start_sys_button", 8, 172, 122, 23},
    {"Stop_sys_button", 135, 172, 122, 23},
    {"otbor_up_button", 8, 197, 122, 23},
    {"otbor_down_button", 135, 197, 122, 23},
    {"LPT_status", 4, 222, 257, 44},
    {"Frame1", 4, 267, 257, 60},
    {"News", 6, 15, 245, 41},
};

// Settings panel, 545 x 343: two columns of described numbers, the logger
// check box across, then the tank-temperature line of PWM take-off.
constexpr Place kSettingsPanel[] = {
    {"lbl_peregrev_def", 8, 18, 196, 26},
    {"peregrev_def", 208, 21, 56, 20},
    {"lbl_voda_vkl_def", 8, 46, 196, 26},
    {"voda_vkl_def", 208, 49, 56, 20},
    {"lbl_step_up", 8, 74, 196, 26},
    {"step_up", 208, 77, 56, 20},
    {"lbl_step_d", 8, 102, 196, 26},
    {"step_d", 208, 105, 56, 20},
    {"lbl_time_error_def", 8, 130, 196, 26},
    {"time_error_def", 208, 133, 56, 20},
    {"lbl_net_vodi_def", 8, 158, 196, 26},
    {"net_vodi_def", 208, 161, 56, 20},
    {"lbl_hot", 8, 186, 196, 26},
    {"hot", 208, 189, 17, 19},
    {"hot1", 228, 191, 36, 15},
    {"lbl_lift_up_def", 276, 18, 196, 26},
    {"lift_up_def", 476, 21, 56, 20},
    {"lbl_lift_down_def", 276, 46, 196, 26},
    {"lift_down_def", 476, 49, 56, 20},
    {"lbl_lift_speed", 276, 74, 196, 26},
    {"lift_speed", 476, 77, 56, 20},
    {"wait_ch", 276, 107, 16, 17},
    {"lbl_wait_def", 294, 102, 178, 26},
    {"wait_def", 476, 105, 56, 20},
    {"Ch_pulse", 276, 135, 196, 17},
    {"pulse_time", 476, 133, 40, 20},
    {"lbl_pulse_time", 518, 135, 24, 15},
    {"sound_ch", 276, 163, 100, 17},
    {"Ch_log", 8, 216, 530, 17},
    {"Line1", 8, 238, 529, 1},
    {"lbl_shim", 8, 244, 300, 15},
    {"lbl_kalibr_kolonni", 8, 262, 196, 26},
    {"kalibr_kolonni_scr", 208, 265, 17, 19},
    {"kalibr_kolonni", 228, 267, 36, 15},
    {"lbl_temp_shim1", 8, 290, 196, 26},
    {"temp_shim1_scr", 208, 293, 17, 19},
    {"temp_shim1", 228, 295, 36, 15},
    {"lbl_temp_shim2", 8, 318, 196, 20},
    {"temp_shim2_scr", 208, 319, 17, 19},
    {"temp_shim2", 228, 321, 36, 15},
    {"OK_set", 330, 310, 100, 25},
    {"Def_button", 436, 310, 100, 25},
};

// Path panels, 265 x 209: drive and folders on the left, files on the
// right, the path and its button under them.
constexpr Place kPathPanels[] = {
    {"Drive1", 8, 18, 130, 22},      {"Dir1", 8, 44, 130, 110},    {"File1", 142, 18, 115, 136},
    {"LogPath(1)", 8, 158, 249, 21}, {"OK", 177, 182, 80, 23},     {"Drive2", 8, 18, 130, 22},
    {"Dir2", 8, 44, 130, 110},       {"File2", 142, 18, 115, 136}, {"Path", 8, 158, 249, 21},
    {"OK2", 177, 182, 80, 23},
};

// The service-data panel: one described box a row.
constexpr const char* kServiceBoxes[] = {
    "time3",     "peregrev",   "voda_vkl", "stab_temp", "Klapan_status", "time3_S",  "time_log1",
    "time_log2", "time_error", "net_vodi", "wait",      "otb",           "time3_def"};

void place(Form& form, const Place& p) {
  Control* c = form.find_full(p.control);
  if (!c) throw std::logic_error(std::string("no control to place: ") + p.control);
  c->init_place(p.left * kTwipsPerPixel, p.top * kTwipsPerPixel, p.width * kTwipsPerPixel,
                p.height * kTwipsPerPixel);
}

}  // namespace

void place_controls(Form& form) {
  for (const Place& p : kTemperaturePanel) place(form, p);
  for (const Place& p : kSettingsPanel) place(form, p);
  for (const Place& p : kPathPanels) place(form, p);
  for (int k = 0; k < 8; ++k) {
    const std::string index = "(" + std::to_string(k) + ")";
    place(form, {("L_pin" + index).c_str(), 4 + 31 * k, 14, 30, 13});
    place(form, {("pin" + index).c_str(), 8 + 31 * k, 27, 20, 15});
  }
  int top = 18;
  for (const char* box : kServiceBoxes) {
    const std::string label = std::string("lbl_") + box;
    place(form, {label.c_str(), 8, top, 300, 26});
    place(form, {box, 312, top + 3, 80, 20});
    top += 28;
  }
}

}  // namespace kolvar::form
