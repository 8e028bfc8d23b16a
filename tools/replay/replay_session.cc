#include "tools/replay/replay_session.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "loader/plugin_library.h"
#include "tools/replay/contact_source.h"
#include "tools/replay/executable_folder.h"
#include "tools/replay/log_values.h"
#include "tools/replay/output_folder.h"
#include "tools/replay/settings_file.h"

namespace aadx {
namespace replay {

namespace fs = std::filesystem;

namespace {

SessionResult Fail(SessionResult result, const std::string& error) {
  result.exit_code = 2;
  result.error = error;
  return result;
}

std::string Beside(const std::string& name) {
  std::string folder = ExecutableFolder();
  return folder.empty() ? name : (fs::path(folder) / name).string();
}

bool LoadCountryFile(const ReplayOptions& options, CtyFile* cty,
                     std::string* path, std::string* error) {
  if (!options.cty_file.empty()) {
    *path = options.cty_file;
    return cty->Load(options.cty_file, error);
  }
  for (const std::string& candidate : DefaultCountryFiles()) {
    std::error_code ec;
    if (!fs::is_regular_file(candidate, ec)) continue;
    *path = candidate;
    return cty->Load(candidate, error);
  }
  path->clear();
  return true;
}

// A file counts as written by this replay when it changed after `since`.
OutputFile Describe(const std::string& what, const fs::path& path,
                    fs::file_time_type since) {
  std::error_code ec;
  OutputFile file;
  file.what = what;
  file.path = path.string();
  file.written = fs::is_regular_file(path, ec) &&
                 fs::last_write_time(path, ec) >= since && !ec;
  return file;
}

}  // namespace

std::string CabrilloFileName(const std::string& own_call) {
  std::string base = own_call;
  for (char& c : base) {
    if (c == '/' || c == '\\') c = '_';
  }
  base = TrimBlanks(base);
  return (base.empty() ? "QZRX" : base) + ".cbr";
}

std::vector<std::string> DefaultCountryFiles() {
  return {Beside("cty.dat"), "/usr/share/hamradio-files/cty.dat"};
}

SessionResult RunReplaySession(const ReplayOptions& options,
                               const ProgressFn& progress) {
  SessionResult result;
  std::string error;

  std::vector<ParsedLog> logs;
  for (const std::string& path : options.logs) {
    ParsedLog log;
    if (!ReadLogFile(path, &log, &error)) return Fail(result, error);
    logs.push_back(log);
  }

  CtyFile cty;
  if (!LoadCountryFile(options, &cty, &result.cty_path, &error)) {
    return Fail(result, error);
  }
  const CtyFile* country_file = result.cty_path.empty() ? nullptr : &cty;
  if (!BuildReplayPlan(options, logs, country_file, &result.plan, &error)) {
    return Fail(result, error);
  }

  result.library_path = options.library.empty()
                            ? Beside(PluginLibrary::DefaultFileName())
                            : options.library;
  PluginLibrary library;
  if (!library.Load(result.library_path, &error)) return Fail(result, error);

  std::string out_dir = options.out_dir;
  if (out_dir.empty()) {
    out_dir =
        FreshFolder("replay-out", fs::path(options.logs[0]).stem().string());
  }
  if (!PrepareOutputFolder(out_dir, &result.out_dir, &error)) {
    return Fail(result, error);
  }
  const fs::path folder(result.out_dir);
  const fs::path settings = folder / "Plugins" / "AADX.ini";
  if (!options.settings_file.empty()) {
    std::error_code ec;
    fs::copy_file(options.settings_file, settings,
                  fs::copy_options::overwrite_existing, ec);
    if (ec) {
      return Fail(result, options.settings_file + ": cannot be copied to " +
                              settings.string() + ": " + ec.message());
    }
  }
  if (!result.plan.contest_mode.empty() &&
      !WriteSetting(settings.string(), "Settings", "Mode",
                    result.plan.contest_mode, &error)) {
    return Fail(result, error);
  }

  // File times have a coarse grain on some file systems.
  const fs::file_time_type since =
      fs::file_time_type::clock::now() - std::chrono::seconds(2);
  {
    ScopedCurrentDirectory in_folder(result.out_dir);
    if (!in_folder.ok()) return Fail(result, in_folder.error());
    result.outcome = RunReplay(result.plan, library.exports(), progress);
  }

  result.files.push_back(Describe("UBN report", folder / "err.txt", since));
  result.files.push_back(Describe("Settings", settings, since));
  if (result.plan.export_cabrillo) {
    result.files.push_back(
        Describe("Cabrillo log",
                 folder / CabrilloFileName(result.plan.own_call), since));
  }
  return result;
}

}  // namespace replay
}  // namespace aadx
