#include "kolvar-plot/options.h"

#include <charconv>
#include <stdexcept>

#include "record/run_record.h"

namespace kolvar::plotapp {

namespace {

int dimension(std::string_view text, const std::string& whole) {
  int v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (error != std::errc() || end != text.data() + text.size() || v < 100 || v > 10000)
    throw std::invalid_argument("--size " + whole + ": WxH, each from 100 to 10000");
  return v;
}

}  // namespace

Options parse_options(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
      return args[++i];
    };
    if (a == "--png") {
      o.png = value();
    } else if (a == "--svg") {
      o.svg = value();
    } else if (a == "--background") {
      o.background = value();
    } else if (a == "--size") {
      const std::string& v = value();
      const auto x = v.find('x');
      if (x == std::string::npos) throw std::invalid_argument("--size " + v + ": WxH");
      o.width = dimension(std::string_view(v).substr(0, x), v);
      o.height = dimension(std::string_view(v).substr(x + 1), v);
    } else if (a == "--runs") {
      o.runs = record::RecordOptions{}.folder.string();
      if (i + 1 < args.size() && !args[i + 1].starts_with("-")) o.runs = args[++i];
    } else if (a == "--csv") {
      o.csv = true;
    } else if (a.starts_with("-") && a != "-") {
      throw std::invalid_argument("unknown option " + a);
    } else if (o.record) {
      throw std::invalid_argument("one record at a time: " + a);
    } else {
      o.record = a;
    }
  }
  if ((o.png || o.svg) && !o.record) throw std::invalid_argument("a picture needs a record");
  if (o.background && !o.record)
    throw std::invalid_argument("--background needs a record to draw it behind");
  if (o.runs && (o.record || o.png || o.svg || o.background))
    throw std::invalid_argument("--runs lists runs; it takes no record or picture");
  if (o.csv && !o.runs) throw std::invalid_argument("--csv is for --runs");
  return o;
}

}  // namespace kolvar::plotapp
