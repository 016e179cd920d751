// The tube model database file: its name and version, the model lists, the
// built-in models, the conversion of a previous-version file and the start-up
// sequence. Every operation opens its own connection and closes it on return.
#pragma once

#include "database/Sqlite.h"
#include "models/TubeModel.h"
#include "settings/DataFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmorin {

inline constexpr int kModelDbVersion = 2;

// Shown once after a previous-version file was converted.
inline constexpr const char* kDatabaseUpdatedMessage =
    "Velmorin database was successfully updated.\n\nYour custom models of triodes - if any - are kept, you "
    "may "
    "update them with interelectrodes capacitances\n\nYou may now create customised models of pentodes";

// "Velmorin-<version>.db".
std::string modelDbFileName(int version);

// Opens the current file (creating it when absent) and makes sure the model
// table exists.
SqliteConnection openModelDatabase(const std::filesystem::path& folder = dataFolder());

// 2 when the current file exists, else 1 when the previous-version file
// exists, else 0.
int existingModelDbVersion(const std::filesystem::path& folder = dataFolder());

// Model names sorted by name: all of them, or those of one kind (3 triode, 5 pentode).
std::vector<std::string> listAllModels(const std::filesystem::path& folder = dataFolder());
std::vector<std::string> listModelsOfType(int t35, const std::filesystem::path& folder = dataFolder());

// Inserts each built-in model whose name is absent, whatever the values of a
// row of that name; returns the inserted names in built-in order.
std::vector<std::string> insertBuiltInModels(const std::filesystem::path& folder = dataFolder());

// Converts a previous-version file when it is the only one present: custom
// triodes are copied (capacitances 0, kind triode), the built-in models are
// written afresh, and the old file is deleted. True when it converted.
bool upgradeModelDatabase(const std::filesystem::path& folder = dataFolder());

// The start-up sequence: conversion, then the built-in models when the current
// file is missing. Returns kDatabaseUpdatedMessage when a conversion happened,
// the empty text otherwise.
std::string ensureModelDatabase(const std::filesystem::path& folder = dataFolder());

// The parameters of the model of that name (its comment is not read), or
// nothing when there is none.
std::optional<TubeModel> readTubeModel(const std::string& name,
                                       const std::filesystem::path& folder = dataFolder());

// Reads the fifteen parameters of a model row, kp to vemax in the table's
// column order, starting at column `first` of the current row.
void readModelParameters(const SqliteStatement& statement, int first, TubeModel& m);

} // namespace velmorin
