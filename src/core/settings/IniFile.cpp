#include "settings/IniFile.h"

#include "settings/AtomicFile.h"
#include "settings/SettingsError.h"

// The Debian package ships SimpleIni with its template bodies behind
// SI_IMPLEMENTATION and wide-character conversions that need extra libraries;
// this file is the one place that instantiates it, for narrow UTF-8 text only.
#define SI_IMPLEMENTATION
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <charconv>
#include <fstream>
#include <iterator>
#include <string_view>
#include <sys/stat.h>
#include <system_error>

namespace velmorin {

namespace {

// Identifies one version of the file on disk. Every write replaces the file
// by a rename, so the inode changes even when size and time do not.
struct Stamp {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long seconds = 0;
  long nanoseconds = 0;
  bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const std::filesystem::path& file) {
  Stamp stamp;
  struct stat st {};
  if (::stat(file.c_str(), &st) == 0) {
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.seconds = st.st_mtim.tv_sec;
    stamp.nanoseconds = st.st_mtim.tv_nsec;
  }
  return stamp;
}

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (isBlank(s.front()) || s.front() == '\r' || s.front() == '\n'))
    s.remove_prefix(1);
  while (!s.empty() && (isBlank(s.back()) || s.back() == '\r' || s.back() == '\n'))
    s.remove_suffix(1);
  return s;
}

bool isCommentLine(std::string_view line) {
  line = trimmed(line);
  return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// A line the parser turns into a section or a key (as opposed to a blank,
// comment or garbage line).
bool isEntryLine(std::string_view line) {
  line = trimmed(line);
  if (line.empty() || line.front() == ';' || line.front() == '#')
    return false;
  if (line.front() == '[')
    return line.find(']') != std::string_view::npos;
  const auto equals = line.find('=');
  return equals != std::string_view::npos && equals > 0;
}

struct Prepared {
  std::string text;    // what the parser gets
  std::string trailer; // comment lines after the last entry
};

// Removes what would mislead the parser, and sets aside what it would drop:
// - a byte-order mark;
// - lines holding a NUL byte (the parser would stop reading there);
// - a "[" line without "]": the parser would glue the following key to that
//   broken section name, losing a good key;
// - comment lines after the last entry, which the parser attaches to nothing
//   and would not write back.
Prepared prepare(std::string_view raw) {
  if (raw.substr(0, 3) == "\xEF\xBB\xBF")
    raw.remove_prefix(3);
  std::vector<std::string_view> lines;
  while (!raw.empty()) {
    auto end = raw.find_first_of("\r\n");
    if (end == std::string_view::npos)
      end = raw.size();
    lines.push_back(raw.substr(0, end));
    std::size_t skip = end;
    if (skip < raw.size() && raw[skip] == '\r')
      ++skip;
    if (skip < raw.size() && raw[skip] == '\n')
      ++skip;
    raw.remove_prefix(skip);
  }
  std::size_t lastEntry = 0;
  bool anyEntry = false;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (isEntryLine(lines[i]) && lines[i].find('\0') == std::string_view::npos) {
      lastEntry = i;
      anyEntry = true;
    }
  Prepared prepared;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (line.find('\0') != std::string_view::npos)
      continue;
    if (!anyEntry || i > lastEntry) {
      if (isCommentLine(line))
        prepared.trailer.append(line).append("\n");
      continue;
    }
    const std::string_view t = trimmed(line);
    if (!t.empty() && t.front() == '[' && t.find(']') == std::string_view::npos)
      continue;
    prepared.text.append(line).append("\n");
  }
  return prepared;
}

std::string oneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n')
      c = ' ';
  return text;
}

std::string name(const std::string& text) {
  return std::string(trimmed(text));
}

} // namespace

struct IniFile::Impl {
  explicit Impl(std::filesystem::path f) : file(std::move(f)) { ini.SetSpaces(false); }

  std::filesystem::path file;
  // Duplicate keys are kept as they are in the file; the first one is the
  // one read, as Windows does.
  CSimpleIniA ini{false, true, false};
  std::string trailer;
  std::optional<Stamp> loaded; // the version in memory; none before the first read
  bool readable = true;

  void load(const Stamp& stamp) {
    ini.Reset();
    trailer.clear();
    readable = true;
    if (stamp.exists) {
      std::ifstream in(file, std::ios::binary);
      std::string raw;
      if (in)
        raw.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      if (!in || in.bad()) {
        readable = false;
      } else {
        Prepared prepared = prepare(raw);
        trailer = std::move(prepared.trailer);
        if (ini.LoadData(prepared.text) < 0)
          readable = false;
      }
      if (!readable)
        ini.Reset();
    }
    loaded = stamp;
  }

  void refresh() {
    const Stamp now = stampOf(file);
    if (!loaded || !(*loaded == now))
      load(now);
  }

  [[noreturn]] void writeFailed(const std::string& reason) {
    // Memory may now differ from the disk: read the disk again next time.
    loaded.reset();
    throw SettingsError("Unable to write to " + file.string() + ": " + reason);
  }

  template <class Change> void write(Change&& change) {
    // Merge into what is on disk now, so another running copy's keys survive.
    load(stampOf(file));
    if (!readable)
      writeFailed("the file cannot be read");
    change(ini);
    std::string text;
    if (ini.Save(text) < 0)
      writeFailed("out of memory");
    if (!trailer.empty())
      text.append("\n").append(trailer);
    try {
      writeFileAtomically(file, text);
    } catch (const std::system_error& e) {
      writeFailed(e.code().message());
    }
    loaded = stampOf(file);
  }
};

IniFile::IniFile(std::filesystem::path file) : impl_(std::make_unique<Impl>(std::move(file))) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

const std::filesystem::path& IniFile::path() const {
  return impl_->file;
}

std::optional<std::string> IniFile::value(const std::string& section, const std::string& key) const {
  impl_->refresh();
  const char* v = impl_->ini.GetValue(name(section).c_str(), name(key).c_str(), nullptr);
  if (!v)
    return std::nullopt;
  return std::string(v);
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  return value(section, key).value_or(defaultValue);
}

std::optional<int> IniFile::parseInteger(const std::string& text) {
  std::string_view s = trimmed(text);
  if (!s.empty() && s.front() == '+') {
    s.remove_prefix(1);
    if (s.empty() || s.front() == '-')
      return std::nullopt;
  }
  int result = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), result);
  if (error != std::errc() || end != s.data() + s.size())
    return std::nullopt;
  return result;
}

int IniFile::readInteger(const std::string& section, const std::string& key, int defaultValue) const {
  const auto text = value(section, key);
  if (!text)
    return defaultValue;
  return parseInteger(*text).value_or(defaultValue);
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value) {
  writeValues(section, {{key, value}});
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::writeValues(const std::string& section,
                          const std::vector<std::pair<std::string, std::string>>& values) {
  const std::string sectionName = name(section);
  impl_->write([&](CSimpleIniA& ini) {
    for (const auto& [key, text] : values) {
      // A key already present keeps its spelling, as Windows does.
      std::string keyName = name(key);
      if (const auto* keys = ini.GetSection(sectionName.c_str())) {
        const auto found = keys->find(CSimpleIniA::Entry(keyName.c_str()));
        if (found != keys->end())
          keyName = found->first.pItem;
      }
      ini.SetValue(sectionName.c_str(), keyName.c_str(), oneLine(text).c_str(), nullptr, true);
    }
  });
}

} // namespace velmorin
