#pragma once
// Every control name that the controller's code uses, as one typed list. Code
// addresses a control by a Name from this list (`ctl::News`, `ctl::T`), so a
// mistyped name does not compile; a test checks that the window declares
// every name of the list. The form itself still finds controls by text, for
// scripts and tests.
#include <string_view>

// The list: one X(name) per control name (arrays once, without an index).
#define KOLVAR_CONTROL_NAMES(X) \
  X(Auto)                       \
  X(Ch_log)                     \
  X(Ch_pulse)                   \
  X(cooldown)                   \
  X(da)                         \
  X(Def_button)                 \
  X(Dir1)                       \
  X(Dir2)                       \
  X(dopusk)                     \
  X(dopusk1)                    \
  X(Dopusk2)                    \
  X(Drive1)                     \
  X(Drive2)                     \
  X(F)                          \
  X(fi)                         \
  X(file)                       \
  X(File1)                      \
  X(File2)                      \
  X(Form1)                      \
  X(hot)                        \
  X(hot1)                       \
  X(Inter)                      \
  X(Interval)                   \
  X(kalibr_kolonni)             \
  X(kalibr_kolonni_scr)         \
  X(Klapan_status)              \
  X(kub)                        \
  X(kul)                        \
  X(L)                          \
  X(ld)                         \
  X(lift_down_def)              \
  X(lift_speed)                 \
  X(lift_up_def)                \
  X(liquid)                     \
  X(LogPath)                    \
  X(lu)                         \
  X(manual_otb)                 \
  X(manual_otb_1)               \
  X(manual_otb_2)               \
  X(manual_otb_Ch)              \
  X(manual_temp_CH)             \
  X(na)                         \
  X(net_vodi)                   \
  X(net_vodi_def)               \
  X(News)                       \
  X(OK)                         \
  X(OK2)                        \
  X(OK_set)                     \
  X(opstop)                     \
  X(otb)                        \
  X(otb_po_t_bragi)             \
  X(otbor_down_button)          \
  X(otbor_up_button)            \
  X(par)                        \
  X(Path)                       \
  X(peregrev)                   \
  X(peregrev_def)               \
  X(pf)                         \
  X(pin)                        \
  X(ps)                         \
  X(puls)                       \
  X(pulse_time)                 \
  X(settings)                   \
  X(Shape1)                     \
  X(SHIM)                       \
  X(sound_ch)                   \
  X(ss)                         \
  X(stab_temp)                  \
  X(Start)                      \
  X(Start_sys_button)           \
  X(step_d)                     \
  X(step_up)                    \
  X(Stop_sys_button)            \
  X(stp)                        \
  X(T)                          \
  X(T2)                         \
  X(temp_shim1)                 \
  X(temp_shim1_scr)             \
  X(temp_shim2)                 \
  X(temp_shim2_scr)             \
  X(time3)                      \
  X(time3_def)                  \
  X(time3_S)                    \
  X(time_error)                 \
  X(time_error_def)             \
  X(time_log1)                  \
  X(time_log2)                  \
  X(Timer1)                     \
  X(Timer2)                     \
  X(Timer3)                     \
  X(Timer4)                     \
  X(Timer5)                     \
  X(Timer6)                     \
  X(Timer7)                     \
  X(Timer8)                     \
  X(Timer9)                     \
  X(tk)                         \
  X(Tune)                       \
  X(V)                          \
  X(verr)                       \
  X(voda_vkl)                   \
  X(voda_vkl_def)               \
  X(wait)                       \
  X(wait_ch)                    \
  X(wait_def)                   \
  X(Work)                       \
  X(zm)

namespace kolvar {

struct ctl;

namespace form {

// A control's name. Only the list below makes one.
class Name {
 public:
  constexpr std::string_view text() const { return text_; }
  friend constexpr bool operator==(const Name&, const Name&) = default;

 private:
  friend struct kolvar::ctl;
  constexpr explicit Name(std::string_view text) : text_(text) {}

  std::string_view text_;
};

}  // namespace form

// The names, as `ctl::News`, and all of them in `ctl::all`.
struct ctl {
#define KOLVAR_DECLARE_NAME(name) static constexpr form::Name name{#name};
  KOLVAR_CONTROL_NAMES(KOLVAR_DECLARE_NAME)
#undef KOLVAR_DECLARE_NAME

#define KOLVAR_LIST_NAME(name) name,
  static constexpr form::Name all[] = {KOLVAR_CONTROL_NAMES(KOLVAR_LIST_NAME)};
#undef KOLVAR_LIST_NAME
};

}  // namespace kolvar
