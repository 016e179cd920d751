#include "ResultOutput.h"

#include "plot/BodePlot.h"
#include "plot/LoadLine.h"
#include "plot/Svg.h"
#include "plot/TraceScene.h"
#include "plot/VoltageStack.h"
#include "text/Format.h"
#include "text/ReportText.h"

#include <algorithm>
#include <cmath>

namespace velmorin::cli {

using nlohmann::json;

namespace {

// JSON has no NaN or infinity: a number that cannot exist is null.
json num(double v) {
  return std::isfinite(v) ? json(v) : json(nullptr);
}

json nums(const std::vector<double>& v) {
  json a = json::array();
  for (double x : v)
    a.push_back(num(x));
  return a;
}

json voltAmps(const std::vector<plot::VoltAmp>& pts) {
  json a = json::array();
  for (const auto& p : pts)
    a.push_back({num(p.v), num(p.i)});
  return a;
}

json loadLineJson(const plot::LoadLineData& d) {
  json curves = json::array();
  for (const auto& c : d.characteristics)
    curves.push_back({{"Vgk", num(c.Vgk)}, {"argb", c.color}, {"points", voltAmps(c.points)}});
  return {{"title", d.title},          {"withLoadLine", d.withLoadLine},
          {"Imax", num(d.Imax)},       {"Vmax", num(d.Vmax)},
          {"Iamax", num(d.Iamax)},     {"Vamax", num(d.Vamax)},
          {"Pamax", num(d.Pamax)},     {"Vak", num(d.Vak)},
          {"Ia", num(d.Ia)},           {"Vgk", num(d.Vgk)},
          {"characteristics", curves}, {"dissipation", voltAmps(d.dissipation)}};
}

json frequencyJson(const FrequencyResult& f) {
  const plot::BodeData& b = f.bode;
  json outputs = json::array();
  for (const auto& c : b.outputs)
    outputs.push_back(
        {{"title", c.title}, {"argb", c.color}, {"ticked", c.ticked}, {"gains", nums(c.gains)}});
  json table = json::array();
  for (const auto& row : f.table)
    table.push_back({{"title", row.titre},
                     {"nature", row.nature},
                     {"argb", row.couleur},
                     {"freq", num(row.fréq)},
                     {"av", num(row.av)},
                     {"zin", num(row.zin)}});
  return {{"freqs", nums(b.frequencies)},
          {"outputs", outputs},
          {"overall", nums(b.overall.gains)},
          {"overallShown", b.overallShown},
          {"fmaxGain", num(b.fmaxGain)},
          {"Gmax", num(b.Gmax)},
          {"fLow", num(b.fLow)},
          {"fHigh", num(b.fHigh)},
          {"feedback", num(b.β)},
          {"table", table}};
}

std::string underline(const std::string& title) {
  std::size_t n = 0;
  for (unsigned char c : title)
    n += (c & 0xC0) != 0x80;
  return title + "\n" + std::string(n, '-') + "\n";
}

} // namespace

json resultToJson(const SolveResult& r) {
  json j;
  j["circuit"] = r.circuit;
  j["title"] = r.title;
  j["refused"] = r.refused ? json(*r.refused) : json(nullptr);
  j["refusedAs"] = r.refusedAs == RefusedAs::Report ? "report" : "box";
  j["success"] = r.success;
  json messages = json::array();
  for (const auto& m : r.messages)
    messages.push_back({{"kind", m.kind == MessageKind::Error ? "error" : "information"}, {"text", m.text}});
  j["messages"] = messages;
  j["dcReport"] = r.dcReport;
  j["acReport"] = r.acReport;
  json labels = json::object();
  for (const auto& [name, caption] : r.labels)
    labels[name] = caption;
  j["labels"] = labels;
  json stacks = json::array();
  for (const auto& col : r.stacks) {
    json segs = json::array();
    for (const auto& s : col.segments)
      segs.push_back({{"name", s.name}, {"volts", num(s.volts)}, {"argb", s.color}});
    stacks.push_back(segs);
  }
  j["stacks"] = stacks;
  j["stackVb"] = num(r.stackVb);
  json lines = json::array();
  for (const auto& d : r.loadLines)
    lines.push_back(loadLineJson(d));
  j["loadLines"] = lines;
  j["resultsColumns"] = r.resultsColumns;
  j["resultsRow"] = r.resultsRow;
  json traces = json::array();
  for (const auto& t : r.traces)
    traces.push_back({{"caption", t.caption}, {"points", nums(t.points)}});
  j["traces"] = traces;
  j["frequency"] = r.frequency ? frequencyJson(*r.frequency) : json(nullptr);
  j["power"] = nullptr;
  return j;
}

std::string resultToText(const SolveResult& r, const Locale& locale) {
  std::string out = sformat(locale, "C%d  %s\n", r.circuit, r.title);
  if (r.refused)
    return out + "\n" + *r.refused + "\n";
  for (const auto& m : r.messages)
    out += "\n" + underline(m.kind == MessageKind::Error ? "Error" : "Information") + m.text + "\n";
  out += "\n" + underline("DC report") + reportToPlainText(r.dcReport) + "\n";
  if (!r.acReport.empty())
    out += "\n" + underline("AC small signal") + reportToPlainText(r.acReport) + "\n";
  if (!r.labels.empty()) {
    out += "\n" + underline("Labels");
    for (const auto& [name, caption] : r.labels)
      out += name + "  " + caption + "\n";
  }
  if (!r.resultsRow.empty()) {
    out += "\n" + underline("Logged results");
    std::size_t w = 0;
    for (const auto& c : r.resultsColumns)
      w = std::max(w, c.size());
    for (std::size_t k = 0; k < r.resultsRow.size(); ++k) {
      std::string caption = k < r.resultsColumns.size() ? r.resultsColumns[k] : std::string();
      out += caption + std::string(w + 2 > caption.size() ? w + 2 - caption.size() : 2, ' ') +
             r.resultsRow[k] + "\n";
    }
  }
  if (r.frequency) {
    const plot::BodeData& b = r.frequency->bode;
    out += "\n" + underline("Bandwidth");
    out +=
        sformat(locale, "Max gain %.2f (%.1f dB) at %.0f Hz\n", b.Gmax, 20 * std::log10(b.Gmax), b.fmaxGain);
    out += sformat(locale, "-3 dB from %.1f Hz to %.0f Hz\n", b.fLow, b.fHigh);
  }
  return out;
}

std::string resultToHtml(const SolveResult& r) {
  if (r.refused)
    return *r.refused + "\n";
  std::string out = r.dcReport + "\n";
  if (!r.acReport.empty())
    out += r.acReport + "\n";
  return out;
}

std::vector<std::filesystem::path> writeResultSvgs(const SolveResult& r, const std::filesystem::path& dir,
                                                   const Locale& locale) {
  std::filesystem::create_directories(dir);
  std::vector<std::filesystem::path> written;
  auto write = [&](const plot::Scene& scene, const std::string& name) {
    auto path = dir / name;
    plot::writeSvg(scene, path);
    written.push_back(path);
  };
  if (!r.stacks.empty()) {
    write(plot::voltageStackScene(r.stacks, r.stackVb,
                                  std::max(140.0, plot::voltageStackWidth(r.stacks.size())), 400, locale),
          "stack.svg");
  }
  for (std::size_t k = 0; k < r.loadLines.size(); ++k)
    write(plot::loadLineScene(r.loadLines[k], 640, 400, locale),
          sformat(locale, "loadline-%d.svg", int(k + 1)));
  if (r.frequency)
    write(plot::bodeScene(r.frequency->bode, locale, 800, 500), "bode.svg");
  for (std::size_t k = 0; k < r.traces.size(); ++k)
    write(plot::traceScene(r.traces[k], 384, 111), sformat(locale, "trace-%d.svg", int(k + 1)));
  return written;
}

} // namespace velmorin::cli
