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
    {"Label10(0)", 6, 16, 76, 14},
    {"Label10(2)", 84, 16, 38, 14},
    {"Label10(3)", 122, 16, 46, 14},
    {"L(1)", 6, 34, 76, 15},
    {"T(1)", 84, 34, 36, 15},
    {"T2(1)", 122, 34, 28, 15},
    {"V(1)", 151, 32, 17, 19},
    {"L(2)", 6, 53, 76, 15},
    {"T(2)", 84, 53, 36, 15},
    {"T2(2)", 122, 53, 28, 15},
    {"V(2)", 151, 51, 17, 19},
    {"L(3)", 6, 72, 76, 15},
    {"T(3)", 84, 72, 36, 15},
    {"T2(3)", 122, 72, 28, 15},
    {"V(3)", 151, 70, 17, 19},
    {"L(0)", 6, 91, 76, 15},
    {"T2(4)", 122, 91, 28, 15},
    {"V(4)", 151, 89, 17, 19},
    {"L(5)", 6, 110, 76, 15},
    {"T(4)", 84, 110, 36, 15},
    {"L(4)", 6, 129, 76, 15},
    {"T2(5)", 122, 129, 28, 15},
    {"V(5)", 151, 127, 17, 19},
    {"Label11", 6, 152, 82, 15},
    {"Inter", 88, 152, 14, 15},
    {"Label5", 103, 152, 28, 15},
    {"Interval", 151, 150, 17, 19},
    {"Dopusk2", 172, 16, 90, 14},
    {"dopusk", 172, 31, 17, 19},
    {"dopusk1", 192, 33, 64, 15},
    {"manual_otb_2", 172, 53, 90, 26},
    {"manual_otb_Ch", 172, 82, 16, 17},
    {"manual_otb", 190, 80, 17, 19},
    {"manual_otb_1", 210, 82, 46, 15},
    {"manual_temp_CH", 170, 102, 93, 17},
    {"otb_po_t_bragi", 170, 120, 93, 17},
    {"Shape1", 172, 144, 14, 14},
    {"Start_sys_button", 6, 172, 124, 22},
    {"Stop_sys_button", 135, 172, 124, 22},
    {"otbor_up_button", 6, 196, 124, 22},
    {"otbor_down_button", 135, 196, 124, 22},
    {"LPT_status", 4, 220, 257, 42},
    {"Frame1", 4, 262, 257, 66},
    {"News", 6, 14, 245, 49},
};

// Settings panel, 545 x 343: two columns of described numbers, the logger
// check box across, then the tank-temperature line of PWM take-off.
constexpr Place kSettingsPanel[] = {
    {"lbl_peregrev_def", 8, 18, 226, 40},
    {"peregrev_def", 236, 27, 40, 20},
    {"lbl_voda_vkl_def", 8, 60, 226, 28},
    {"voda_vkl_def", 236, 63, 40, 20},
    {"lbl_step_up", 8, 88, 226, 28},
    {"step_up", 236, 91, 40, 20},
    {"lbl_step_d", 8, 116, 226, 28},
    {"step_d", 236, 119, 40, 20},
    {"lbl_time_error_def", 8, 144, 226, 40},
    {"time_error_def", 236, 153, 40, 20},
    {"lbl_net_vodi_def", 286, 130, 206, 40},
    {"net_vodi_def", 496, 139, 42, 20},
    {"lbl_hot", 8, 186, 206, 28},
    {"hot", 216, 189, 17, 19},
    {"hot1", 236, 191, 40, 15},
    {"lbl_lift_up_def", 286, 18, 206, 28},
    {"lift_up_def", 496, 21, 42, 20},
    {"lbl_lift_down_def", 286, 46, 206, 28},
    {"lift_down_def", 496, 49, 42, 20},
    {"lbl_lift_speed", 286, 74, 206, 28},
    {"lift_speed", 496, 77, 42, 20},
    {"wait_ch", 286, 107, 16, 17},
    {"lbl_wait_def", 304, 102, 188, 28},
    {"wait_def", 496, 105, 42, 20},
    {"Ch_pulse", 286, 172, 252, 17},
    {"pulse_time", 458, 190, 42, 20},
    {"lbl_pulse_time", 504, 192, 34, 15},
    {"sound_ch", 286, 192, 120, 17},
    {"Ch_log", 8, 216, 530, 17},
    {"Line1", 8, 238, 529, 1},
    {"lbl_shim", 8, 244, 300, 15},
    {"lbl_kalibr_kolonni", 8, 262, 206, 28},
    {"kalibr_kolonni_scr", 216, 265, 17, 19},
    {"kalibr_kolonni", 236, 267, 40, 15},
    {"lbl_temp_shim1", 8, 290, 206, 26},
    {"temp_shim1_scr", 216, 293, 17, 19},
    {"temp_shim1", 236, 295, 40, 15},
    {"lbl_temp_shim2", 8, 318, 206, 20},
    {"temp_shim2_scr", 216, 319, 17, 19},
    {"temp_shim2", 236, 321, 40, 15},
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
    place(form, {("L_pin" + index).c_str(), 4 + 31 * k, 13, 30, 13});
    place(form, {("pin" + index).c_str(), 8 + 31 * k, 26, 20, 15});
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
