#include "cli/spell_session.h"

#include <cstdlib>

#include "platform/codepage.h"
#include "platform/system_info.h"
#include "spell/engine/config_macros.h"

namespace tq::cli {

namespace {

struct OptionFlag {
  const char* name;
  spell::TSpellOption option;
};

const OptionFlag kFlags[] = {
    {"--upcase", spell::soUpcase},     {"--numbers", spell::soNumbers},    {"--html", spell::soHTML},
    {"--internet", spell::soInternet}, {"--quoted", spell::soQuoted},      {"--abbreviations", spell::soAbbreviations},
    {"--repeated", spell::soRepeated}, {"--dual-caps", spell::soDUalCaps}, {"--primary-only", spell::soPrimaryOnly},
};

}  // namespace

bool ToAnsi(const std::string& utf8, std::string* ansi) { return platform::Utf8ToCp1252(utf8, ansi); }
std::string ToUtf8(const std::string& ansi) { return platform::Cp1252ToUtf8(ansi); }

bool ParseSpellSettings(const std::vector<std::string>& args, SpellSettings* s, FILE* err) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= args.size()) {
        std::fprintf(err, "quillet: %s needs a value\n", a.c_str());
        return false;
      }
      *out = args[++i];
      return true;
    };
    std::string v;
    bool flag = false;
    for (const OptionFlag& f : kFlags)
      if (a == f.name) {
        s->options.Include(f.option);
        s->optionsGiven = flag = true;
      }
    if (flag) continue;
    if (a == "--dict") {
      if (!value(&v)) return false;
      s->mainDictionaries.push_back(v);
    } else if (a == "--custom") {
      if (!value(&s->custom)) return false;
    } else if (a == "--config") {
      if (!value(&s->configFile)) return false;
    } else if (a == "--dir") {
      if (!value(&v)) return false;
      s->folders.push_back(v);
    } else if (a == "--max") {
      if (!value(&v)) return false;
      char* end = nullptr;
      const long n = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end != '\0' || n < -1 || n > 65535) {
        std::fprintf(err, "quillet: --max takes a number from -1 to 65535, not '%s'\n", v.c_str());
        return false;
      }
      s->max = static_cast<int>(n);
    } else if (a == "--thorough") {
      s->thorough = true;
    } else if (a == "--json") {
      s->json = true;
    } else if (a == "--interactive") {
      s->interactive = true;
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      std::fprintf(err, "quillet: unknown option %s\n", a.c_str());
      return false;
    } else {
      s->rest.push_back(a);
    }
  }
  return true;
}

std::string DefaultMainDictionary(platform::Env& env) {
  const std::string beside =
      spell::ExtractFileDir(platform::ProgramPath(platform::PathEncoding::Utf8)) + "/American.adm";
  if (env.FileExists(beside)) return beside;
#ifdef TQ_AMERICAN_ADM
  if (env.FileExists(TQ_AMERICAN_ADM)) return TQ_AMERICAN_ADM;
#endif
  return "";
}

std::unique_ptr<spell::TQuillSpellBase> OpenSpellEngine(platform::Env& env, const SpellSettings& settings,
                                                          FILE* err) {
  std::vector<std::string> mains = settings.mainDictionaries;
  // The default for a configuration file too: a new one then starts with it
  // rather than with an empty list that no later run could use.
  if (mains.empty()) {
    const std::string def = DefaultMainDictionary(env);
    if (def.empty() && settings.configFile.empty()) {
      std::fprintf(err, "quillet: American.adm was not found; name a dictionary with --dict\n");
      return nullptr;
    }
    if (!def.empty()) mains.push_back(def);
  }
  // Its paths are UTF-8, as quillet's are: so are those the macros of a
  // configuration file stand for.
  auto engine = std::make_unique<spell::TQuillSpellBase>(
      spell::TEngineServices{&env, nullptr, &spell::TSystemFacts::Default(platform::PathEncoding::Utf8)});
  engine->BeginLoading();
  // Command-line runs learn nothing behind the user's back.
  engine->WriteLearnSuggestions(false);
  spell::TStringList folders;
  for (const std::string& f : settings.folders) folders.Add(f);
  for (const std::string& m : mains) {
    const std::string dir = spell::ExtractFileDir(m);
    if (!dir.empty() && !folders.Contains(dir)) folders.Add(dir);
  }
  engine->WriteConfigDictionaryDir(folders);
  spell::TStringList mainNames;
  for (const std::string& m : mains) mainNames.Add(m.find_first_of("\\/") == std::string::npos ? "./" + m : m);
  engine->ConfigDefaultMain = mainNames;
  // A bare name is a file in the current folder, as with --dict.
  const std::string custom =
      settings.custom.empty() || settings.custom.find_first_of("\\/") != std::string::npos ? settings.custom
                                                                                             : "./" + settings.custom;
  engine->ConfigDefaultActiveCustom = custom;
  // Without option flags the program's own defaults apply.
  if (settings.optionsGiven) engine->ConfigDefaultOptions = settings.options;
  // Words in capitals are accepted, as every spell checker's command line
  // does; the program keeps its own setting.
  engine->AllowedCases = spell::cmInitialCapsOrUpcase;
  if (!settings.configFile.empty()) {
    engine->WriteConfigFilename(settings.configFile);
    engine->WriteConfigStorage(spell::csFile);
  } else {
    engine->WriteConfigStorage(spell::csNone);
  }
  engine->EndLoading();
  engine->Configuration().EnsureLoaded();
  if (settings.optionsGiven) engine->Configuration().WriteSpellOptions(settings.options);
  if (settings.thorough) {
    spell::TSpellOptions options = engine->Configuration().ReadSpellOptions();
    options.Include(spell::soThoroughSuggestions);
    engine->Configuration().WriteSpellOptions(options);
  }
  if (!custom.empty()) engine->Configuration().WriteActiveCustom(custom);
  if (!settings.configFile.empty() && !settings.mainDictionaries.empty())
    engine->Configuration().ReadMainDictionaries().Assign(mainNames.Items());
  engine->ResynchOptions(true);
  if (engine->ReadMainDictionaryCount() == 0) {
    std::fprintf(err, "quillet: no main dictionary could be opened\n");
    return nullptr;
  }
  engine->OptimizeMainDictionaryOrder();
  return engine;
}

}  // namespace tq::cli
