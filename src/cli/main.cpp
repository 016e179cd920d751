// velmorin-cli: the core without a window. Lists tube models, evaluates a
// model at one point, lists the circuits and solves a circuit.
#include "Commands.h"

#include "database/DatabaseError.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <map>

using namespace velmorin::cli;

int main(int argc, char** argv) {
  CLI::App app{"Velmorin command-line tool: tube models, operating points and circuit solves"};
  app.require_subcommand(1);
  const std::map<std::string, OutputFormat> formats = {
      {"text", OutputFormat::Text}, {"html", OutputFormat::Html}, {"json", OutputFormat::Json}};
  const std::map<std::string, OutputFormat> plainFormats = {{"text", OutputFormat::Text},
                                                            {"json", OutputFormat::Json}};

  ModelsOptions models;
  auto* cmdModels =
      app.add_subcommand("models", "List the tube models of the database (created when missing)");
  cmdModels->add_option("--type", models.type, "Only triodes or only pentodes")
      ->check(CLI::IsMember({"triode", "pentode"}));
  cmdModels->add_option("--format", models.format, "text or json")
      ->transform(CLI::CheckedTransformer(plainFormats, CLI::ignore_case));

  PointOptions point;
  auto* cmdPoint =
      app.add_subcommand("point", "Anode current and small-signal parameters of a model at one point");
  cmdPoint->add_option("model", point.model, "Model name, e.g. \"ECC83 / 12AX7\"")->required();
  cmdPoint->add_option("--vak", point.vak, "Anode-cathode voltage (V)")->required();
  cmdPoint->add_option("--vgk", point.vgk, "Grid-cathode voltage (V)")->required();
  cmdPoint->add_option("--vg2", point.vg2, "Screen-cathode voltage of a pentode (V)");
  cmdPoint->add_option("--format", point.format, "text or json")
      ->transform(CLI::CheckedTransformer(plainFormats, CLI::ignore_case));

  CircuitsOptions circuits;
  auto* cmdCircuits = app.add_subcommand("circuits", "List the 40 circuits with their categories");
  cmdCircuits->add_option("--format", circuits.format, "text or json")
      ->transform(CLI::CheckedTransformer(plainFormats, CLI::ignore_case));

  SolveOptionsCli solve;
  auto* cmdSolve =
      app.add_subcommand("solve", "Solve a circuit with its default entries and the given changes");
  cmdSolve->add_option("circuit", solve.circuit, "Circuit, C1 to C40")->required();
  cmdSolve->add_option("--tube", solve.tube, "Model for every tube list of the circuit");
  cmdSolve->add_option("--tube1", solve.tube1, "Model for the list LBtube1");
  cmdSolve->add_option("--tube2", solve.tube2, "Model for the list LBtube2");
  cmdSolve->add_option("--set", solve.sets, "An entry, EdName=value (engineering notation: 4k7, 100n ...)");
  cmdSolve->add_option("--tick", solve.ticks, "Tick a check box, e.g. CheckBoxCkconnected");
  cmdSolve->add_option("--fmin", solve.fmin, "Lower sweep bound: 0.1, 1, 10 or 100 Hz (default 1)");
  cmdSolve->add_option("--fmax", solve.fmax, "Upper sweep bound: 10000, 100000, 1e6 or 1e7 Hz (default 1e5)");
  cmdSolve->add_option("--feedback", solve.feedback,
                       "Feedback fraction: 0, 0.001, 0.002, 0.005, 0.01, 0.02, 0.05 or 0.1");
  cmdSolve->add_flag("--ignore-miller", solve.ignoreMiller, "Ignore the Miller effect and the Cgk bootstrap");
  cmdSolve->add_option("--stray", solve.stray,
                       "Stray capacitance per pin, 1 to 5 pF (default: the settings)");
  cmdSolve->add_option("--time", solve.time, "Time cell of the results row, HH:MM:SS");
  cmdSolve->add_option("--format", solve.format, "text, html or json")
      ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case));
  cmdSolve->add_option("--svg", solve.svgDir, "Write every picture of the run as SVG into this folder");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }

  try {
    if (*cmdModels)
      return runModels(models);
    if (*cmdPoint)
      return runPoint(point);
    if (*cmdCircuits)
      return runCircuits(circuits);
    if (*cmdSolve)
      return runSolve(solve);
  } catch (const velmorin::DatabaseError& e) {
    printError(e.what());
    return 1;
  } catch (const std::exception& e) {
    printError(e.what());
    return 1;
  }
  return 2;
}
