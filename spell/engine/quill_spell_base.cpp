#include "spell/engine/quill_spell_base.h"

#include "platform/codepage.h"
#include "platform/utf16.h"
#include "spell/engine/config_macros.h"

namespace tq::spell {

TQuillSpellBase::TQuillSpellBase(const TEngineServices& services)
    : env_(services.env ? services.env : &platform::Env::Default()),
      keyStore_(services.keyStore ? services.keyStore : &platform::DefaultKeyStore()),
      facts_(services.facts ? services.facts : &TSystemFacts::Default()),
      parsingEngine_(std::make_unique<TMainParsingEngine>()),
      ignoreAll_(std::make_unique<TCustomDictionary>(*env_)),
      config_(std::make_unique<TQuillConfig>(this)) {
  InstallHooks();
  ConfigDictionaryDir.OnChange = [this] { NotifyDictionariesPathChanged(this); };
  RebuildSearchFolders();
}

TQuillSpellBase::~TQuillSpellBase() {
  // The configuration saves itself on the way out and may call back into
  // the component, which must still be whole.
  config_.reset();
}

void TQuillSpellBase::InstallHooks() {
  parsingEngine_->InlineIgnore = [this](char c, TControlParser* parser, bool& ignore) {
    RunInlineIgnore(c, parser, ignore);
  };
  parsingEngine_->WordIgnore = [this](const std::string& word, TControlParser* parser, bool& ignore) {
    RunPreCheckIgnore(word, parser, ignore);
  };
}

void TQuillSpellBase::AddIgnore(std::unique_ptr<TParserIgnore> rule) {
  if (!rule) return;
  if (rule->NeededBeforeCheck()) beforeCheckRules_.push_back(rule.get());
  if (rule->LineCheckNeeded()) lineRules_.push_back(rule.get());
  allRules_.push_back(std::move(rule));
}

void TQuillSpellBase::ClearIgnoreList() {
  beforeCheckRules_.clear();
  lineRules_.clear();
  allRules_.clear();
}

void TQuillSpellBase::RunInlineIgnore(char CurrentChar, TControlParser* Parser, bool& Ignore) {
  for (TParserIgnore* rule : beforeCheckRules_)
    if (rule->ExecuteIgnore(CurrentChar, Parser)) {
      Ignore = true;
      return;
    }
}

void TQuillSpellBase::RunPreCheckIgnore(const std::string& Word, TControlParser* Parser, bool& Ignore) {
  for (TParserIgnore* rule : beforeCheckRules_)
    if (rule->ExecuteWordIgnorePreCheck(Word, Parser)) {
      Ignore = true;
      return;
    }
}

bool TQuillSpellBase::RunPostCheckIgnore(const std::string& Word, TControlParser* Parser) {
  for (const auto& rule : allRules_)
    if (rule->ExecuteWordIgnorePostCheck(Word, Parser)) return true;
  return false;
}

bool TQuillSpellBase::RunLineIgnore(const std::string& Line) {
  for (TParserIgnore* rule : lineRules_)
    if (rule->ExecuteLineIgnore(Line)) return true;
  return false;
}

void TQuillSpellBase::WriteParsingEngine(std::unique_ptr<TParsingEngine> engine) {
  if (!engine) return;
  parsingEngine_ = std::move(engine);
  InstallHooks();
  ResynchOptions(true);
}

void TQuillSpellBase::WriteQuoteChars(const std::string& chars) {
  quoteChars_ = chars;
  ResynchOptions(true);
}

void TQuillSpellBase::ResynchOptions(bool force) {
  if (loading_ > 0) return;
  RebuildRules(force);
  if (liveUI_) liveUI_->OptionsResynched(force);
}

void TQuillSpellBase::RebuildRules(bool force) {
  const TSpellOptions options = config_->ReadSpellOptions();
  if (rulesBuilt_ && options == rulesOptions_ && !force) return;
  rulesBuilt_ = true;
  rulesOptions_ = options;
  ClearIgnoreList();
  if (options.Contains(soInternet)) AddIgnore(std::make_unique<TURLIgnore>());
  if (options.Contains(soUpcase)) AddIgnore(std::make_unique<TUppercaseWordIgnore>());
  if (options.Contains(soNumbers)) AddIgnore(std::make_unique<TNumbersIgnore>());
  if (options.Contains(soHTML)) AddIgnore(std::make_unique<THTMLIgnore>());
  if (options.Contains(soQuoted)) AddIgnore(std::make_unique<TQuotedLineIgnore>(quoteChars_));
  if (options.Contains(soAbbreviations)) AddIgnore(std::make_unique<TAbbreviationsIgnore>());
  primaryOnly_ = options.Contains(soPrimaryOnly);
  repeatedWords_ = options.Contains(soRepeated);
  dualCaps_ = options.Contains(soDUalCaps);
  thorough_ = options.Contains(soThoroughSuggestions);
  WriteLiveSpelling(options.Contains(soLiveSpelling));
  WriteLiveCorrect(options.Contains(soLiveCorrect));
  if (OnAddCustomIgnore) OnAddCustomIgnore(this);
  optionsChanged_.Notify(this);
}

void TQuillSpellBase::WriteLiveSpelling(bool on) {
  if (on == liveSpelling_) return;
  liveSpelling_ = on;
  if (liveUI_) liveUI_->LiveSpellingChanged(on);
}

void TQuillSpellBase::WriteLiveCorrect(bool on) {
  if (on == liveCorrect_) return;
  liveCorrect_ = on;
  if (liveUI_) liveUI_->LiveCorrectChanged(on);
}

void TQuillSpellBase::WriteConfigStorage(TConfigStorage storage) {
  configStorage_ = storage;
  config_->ReloadConfiguration();
}

void TQuillSpellBase::WriteConfigID(const std::string& id) {
  configID_ = id;
  config_->ReloadConfiguration();
}

void TQuillSpellBase::WriteConfigFilename(const std::string& filename) {
  configFilename_ = filename;
  if (configStorage_ == csFile) config_->ReloadConfiguration();
}

void TQuillSpellBase::WriteConfigRegistryKey(const std::string& key) {
  configRegistryKey_ = key;
  if (configStorage_ == csRegistry) config_->ReloadConfiguration();
}

void TQuillSpellBase::FireReadString(const std::string& ConfigID, const std::string& Key, const std::string& Default,
                                       std::string& Value) {
  Value = Default;
  if (OnConfigReadString) OnConfigReadString(this, ConfigID, Key, Default, Value);
}

void TQuillSpellBase::FireWriteString(const std::string& ConfigID, const std::string& Key, const std::string& Value) {
  if (OnConfigWriteString) OnConfigWriteString(this, ConfigID, Key, Value);
}

void TQuillSpellBase::FireConfigLoaded() {
  if (OnConfigLoaded) OnConfigLoaded(this);
}

void TQuillSpellBase::FireConfigSaved() {
  if (OnConfigSaved) OnConfigSaved(this);
}

std::string TQuillSpellBase::ExpandQuillVars(const std::string& text) const {
  if (text.find("%ConfigID%") == std::string::npos) return text;
  return ReplaceString("%ConfigID%", ExpandBasicVars(configID_, *facts_), text);
}

std::string TQuillSpellBase::ExpandVars(const std::string& text) const {
  return ExpandQuillVars(ExpandBasicVars(text, *facts_));
}

const TStringList& TQuillSpellBase::ReadAvailableMSWordCustom() {
  if (availableMSWordCustomRead_) return availableMSWordCustom_;
  availableMSWordCustomRead_ = true;
  static const char kKey[] = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  for (platform::KeyRoot root : {platform::KeyRoot::CurrentUser, platform::KeyRoot::LocalMachine}) {
    std::unique_ptr<platform::Key> key = keyStore_->Open(root, kKey, false);
    if (!key) continue;
    for (int i = 1;; ++i) {
      std::optional<std::string> value = key->ReadString(std::to_string(i));
      if (!value || value->empty()) break;
      std::string path = *value;
      if (path.find('\\') == std::string::npos) {
        std::string appData = AdExcludeTrailingBackslash(facts_->SpecialFolder(platform::SpecialFolder::AppData));
        path = appData + "\\Microsoft\\Proof\\" + path;
      }
      if (env_->FileExists(path)) availableMSWordCustom_.Add(path);
    }
  }
  return availableMSWordCustom_;
}

namespace {

// The lines of a word list in Windows-1252. Newer word processors write
// UTF-16 with a byte-order mark, some UTF-8; a line Windows-1252 cannot hold
// comes back with a zero byte, which the dictionary refuses.
std::vector<std::string> WordListLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string text;
  if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xFE) {
    std::u16string wide;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      wide += static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | (static_cast<uint8_t>(bytes[i + 1]) << 8));
    text = platform::Utf16ToCp1252(wide, '\0');
  } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    size_t start = 3;
    while (start <= bytes.size()) {
      size_t end = bytes.find('\n', start);
      if (end == std::string::npos) end = bytes.size();
      std::string converted;
      if (!platform::Utf8ToCp1252(std::string_view(bytes).substr(start, end - start), &converted))
        converted = std::string(1, '\0');
      text += converted;
      text += '\n';
      start = end + 1;
    }
  } else {
    text = bytes;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::unique_ptr<TCustomDictionary> TQuillSpellBase::GetMSWordCustomDictionary(const std::string& path) {
  std::string bytes;
  if (!env_->FileExists(path) || !platform::ReadWholeFile(*env_, path, &bytes)) return nullptr;
  auto dict = std::make_unique<TCustomDictionary>(*env_);
  for (const std::string& line : WordListLines(bytes)) dict->AddIgnore(line);
  return dict;
}

}  // namespace tq::spell
