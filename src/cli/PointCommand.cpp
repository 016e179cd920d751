#include "Commands.h"

#include "database/ModelDatabase.h"
#include "models/TTube.h"
#include "text/Format.h"
#include "text/ReportValues.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace velmorin::cli {

namespace {

// A plain decimal number such as 250, -1.5 or 2.5e2; nothing else.
std::optional<double> parseNumber(const std::string& text) {
  if (text.empty())
    return std::nullopt;
  errno = 0;
  char* end = nullptr;
  double v = std::strtod(text.c_str(), &end);
  if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

nlohmann::json orNull(double v) {
  return std::isfinite(v) ? nlohmann::json(v) : nlohmann::json(nullptr);
}

} // namespace

int runPoint(const PointOptions& o) {
  auto vak = parseNumber(o.vak);
  auto vgk = parseNumber(o.vgk);
  if (!vak || !vgk) {
    printError("not a number: \"" + (!vak ? o.vak : o.vgk) +
               "\" (write volts as a plain number such as -1.5)");
    return 2;
  }
  std::optional<double> vg2;
  if (!o.vg2.empty()) {
    vg2 = parseNumber(o.vg2);
    if (!vg2) {
      printError("not a number: \"" + o.vg2 + "\" (write volts as a plain number such as 250)");
      return 2;
    }
  }

  ensureModelDatabase();
  std::optional<TubeModel> model = readTubeModel(o.model);
  if (!model) {
    printError("unknown tube model \"" + o.model + "\" (see: velmorin-cli models)");
    return 2;
  }
  if (!isEvaluable(*model)) {
    printError("the tube model \"" + o.model + "\" has a zero kp, mu, kvb or kg1 and cannot be evaluated");
    return 2;
  }
  const bool pentode = model->t35 == 5;
  if (pentode && !vg2) {
    printError("\"" + o.model + "\" is a pentode: give its screen voltage with --vg2");
    return 2;
  }

  const Locale locale = Locale::fromEnvironment();
  TTube tube(*model, "", locale);
  double ia = 0, is = 0;
  if (pentode) {
    ia = tube.CalculerNKpentode(*vak, *vgk, *vg2);
    is = tube.Ie();
  } else {
    tube.CalculerNK(*vak, *vgk, ia);
  }
  tube.calculerParamètresIntrinsèques();
  // ρ is left at 0 where the current does not move with the anode voltage.
  const double rho = tube.ρ() != 0 ? tube.ρ() : NAN;
  const double mu = tube.ρ() != 0 ? tube.µ() : NAN;

  if (o.format == OutputFormat::Json) {
    nlohmann::json j = {{"model", model->name},
                        {"type", pentode ? "pentode" : "triode"},
                        {"Ia", ia},
                        {"Is", pentode ? nlohmann::json(is) : nlohmann::json(nullptr)},
                        {"rho", orNull(rho)},
                        {"gm", orNull(tube.gm())},
                        {"mu", orNull(mu)}};
    std::cout << j.dump(2) << "\n";
    return 0;
  }
  std::cout << sformat(locale, "%s (%s) at Vak %.2f V, Vgk %.3f V", model->name, tube.getType(), *vak, *vgk);
  if (pentode)
    std::cout << sformat(locale, ", Vg2 %.2f V", *vg2);
  std::cout << "\n" << sformat(locale, "Ia  = %.4f mA\n", ia * 1000);
  if (pentode)
    std::cout << sformat(locale, "Is  = %.4f mA\n", is * 1000);
  std::cout << sformat(locale, "rho = %.0f Ω\n", rho)
            << sformat(locale, "gm  = %.4f mA/V\n", tube.gm() * 1000) << sformat(locale, "mu  = %.2f\n", mu);
  return 0;
}

} // namespace velmorin::cli
