#include "solvers/Framework.h"

#include "text/Format.h"

#include <cmath>
#include <ctime>
#include <locale.h>

namespace velmorin {

double limitSupply(double v) {
  return v <= 500 ? v : 500;
}

double strayCapForIndex(int index) {
  return (index + 1) * 1e-12;
}

bool stackOK(double tolerance, double sum, double supply) {
  return std::fabs(supply - sum) < tolerance;
}

bool appendErrors(std::string& text, bool loadlineOK, bool opOK, bool vgkOK, bool stackOk, bool itersOK) {
  const bool ok = loadlineOK && opOK && vgkOK && stackOk && itersOK;
  auto line = [&](const char* what) {
    text += std::string("<br><font color=\"#ff4444\">") + what + "</font>";
  };
  if (!ok)
    text += "<br><font color=\"#ff4444\"><b>No convergence !</b></font>";
  if (!loadlineOK)
    line("Tube out of loadline");
  if (!opOK)
    line("Wrong operating point");
  if (!vgkOK)
    line("Vgk > 0");
  if (!stackOk)
    line("Wrong stacked voltages");
  if (!itersOK)
    line("Too many iterations");
  return ok;
}

std::string reportHead(const Locale& locale, const std::string& title) {
  return sformat(locale, "<p><b>%s</b></p>%s", title, "<p><font color=\"#909090\">Velmorin</font></p>");
}

std::string localTimeOfDay() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[64];
  std::size_t n = 0;
  if (locale_t loc = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0))) {
    n = strftime_l(buf, sizeof buf, "%X", &tm, loc);
    freelocale(loc);
  }
  if (n == 0)
    n = std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
  return std::string(buf, n);
}

} // namespace velmorin
