// TQuillSpellBase: the spell-check engine component. This class holds the
// word cutter with its ignore rules (rebuilt from the configured options),
// the spelling configuration with its storage settings and macros, and the
// notifications that the live spelling and the dialogs listen to. The check
// run, suggestions and the dictionary set build on it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/key_store.h"
#include "spell/engine/quill_config.h"
#include "spell/engine/custom_dictionary.h"
#include "spell/engine/event_list.h"
#include "spell/engine/ignore_rules.h"
#include "spell/engine/language_strings.h"
#include "spell/engine/main_dictionary.h"
#include "spell/engine/parsing_engine.h"
#include "spell/engine/phonetic_map.h"
#include "spell/engine/spell_options.h"
#include "spell/engine/spell_popup_menu.h"
#include "spell/engine/spell_ui.h"
#include "spell/engine/string_list.h"
#include "spell/engine/suggestions_generator.h"
#include "spell/engine/system_facts.h"
#include "spell/engine/word_frequencies.h"

namespace tq::spell {

// What the engine makes of one word. Type is wcAccepted, wcExcluded (a word
// the user excluded), wcDenied (no dictionary or rule accepts it) or, when
// a correction was sought and one exists, wcCorrected with its Replacement.
struct TWordVerdict {
  TWordCheckType Type = wcAccepted;
  std::string Replacement;
};

// What the component uses of the machine; nullptr stands for the real one.
struct TEngineServices {
  platform::Env* env = nullptr;
  platform::KeyStore* keyStore = nullptr;
  const TSystemFacts* facts = nullptr;
};

class TQuillSpellBase {
 public:
  using TNotifyEvent = std::function<void(TQuillSpellBase* Sender)>;
  using TConfigReadStringEvent =
      std::function<void(TQuillSpellBase* Sender, const std::string& ConfigID, const std::string& Key,
                         const std::string& Default, std::string& Value)>;
  using TConfigWriteStringEvent = std::function<void(TQuillSpellBase* Sender, const std::string& ConfigID,
                                                     const std::string& Key, const std::string& Value)>;

  explicit TQuillSpellBase(const TEngineServices& services = {});
  virtual ~TQuillSpellBase();
  TQuillSpellBase(const TQuillSpellBase&) = delete;
  TQuillSpellBase& operator=(const TQuillSpellBase&) = delete;

  // --- Ignore rules and word cutting ---
  // The rule joins the lists its answers call for; the component owns it.
  void AddIgnore(std::unique_ptr<TParserIgnore> rule);
  void ClearIgnoreList();
  void RunInlineIgnore(char CurrentChar, TControlParser* Parser, bool& Ignore);
  void RunPreCheckIgnore(const std::string& Word, TControlParser* Parser, bool& Ignore);
  bool RunPostCheckIgnore(const std::string& Word, TControlParser* Parser);
  bool RunLineIgnore(const std::string& Line);
  // Replaces the word cutter (nothing for none) and installs the hooks.
  virtual void WriteParsingEngine(std::unique_ptr<TParsingEngine> engine);
  TParsingEngine* ReadParsingEngine() const { return parsingEngine_.get(); }
  // Rebuilds the rules from the configured options, when they changed since
  // the last rebuild or when forced.
  virtual void ResynchOptions(bool force);
  void WriteQuoteChars(const std::string& chars);
  const std::string& ReadQuoteChars() const { return quoteChars_; }
  int ReadIgnoreRuleCount() const { return static_cast<int>(allRules_.size()); }
  int ReadBeforeCheckRuleCount() const { return static_cast<int>(beforeCheckRules_.size()); }
  int ReadLineRuleCount() const { return static_cast<int>(lineRules_.size()); }

  // While the owner sets up the component (as a form does when it is read),
  // option changes do not rebuild the rules.
  void BeginLoading() { ++loading_; }
  void EndLoading() {
    if (loading_ > 0) --loading_;
  }
  bool ReadLoading() const { return loading_ > 0; }

  // Flags the options set (for suggestions and the check run).
  bool ReadPrimaryOnly() const { return primaryOnly_; }
  bool ReadRepeatedWords() const { return repeatedWords_; }
  bool ReadDualCaps() const { return dualCaps_; }
  bool ReadThoroughSuggestions() const { return thorough_; }
  // A change tells the live interface.
  void WriteLiveSpelling(bool on);
  bool ReadLiveSpelling() const { return liveSpelling_; }
  void WriteLiveCorrect(bool on);
  bool ReadLiveCorrect() const { return liveCorrect_; }

  // What the windows show (spell/engine/spell_ui.h); none: nothing is shown.
  // Each stays its owner's, who takes it back before it goes.
  void WriteCheckRunUI(TCheckRunUI* ui) { runUI_ = ui; }
  TCheckRunUI* ReadCheckRunUI() const { return runUI_; }
  void WriteLiveUI(TLiveUI* ui) { liveUI_ = ui; }
  TLiveUI* ReadLiveUI() const { return liveUI_; }

  // --- Phonetic map (used by the suggestions) ---
  // Replaces the map (nothing for none).
  void WritePhoneticsMap(std::unique_ptr<TPhoneticsMap> map) {
    if (map) phoneticsMap_ = std::move(map);
  }
  TPhoneticsMap& ReadPhoneticsMap() { return *phoneticsMap_; }
  void WritePhoneticDepth(int depth) { phoneticsMap_->WriteStartDepth(depth); }
  int ReadPhoneticDepth() const { return phoneticsMap_->ReadStartDepth(); }
  void WritePhoneticDivisor(int divisor) { phoneticsMap_->WriteDistanceDivisor(divisor); }
  int ReadPhoneticDivisor() const { return phoneticsMap_->ReadDistanceDivisor(); }
  void WritePhoneticMaxDistance(int maximum) { phoneticsMap_->WriteDistanceMaximum(maximum); }
  int ReadPhoneticMaxDistance() const { return phoneticsMap_->ReadDistanceMaximum(); }

  // --- Configuration ---
  TQuillConfig& Configuration() { return *config_; }
  virtual void WriteConfigStorage(TConfigStorage storage);
  TConfigStorage ReadConfigStorage() const { return configStorage_; }
  virtual void WriteConfigID(const std::string& id);
  const std::string& ReadConfigID() const { return configID_; }
  virtual void WriteConfigFilename(const std::string& filename);
  const std::string& ReadConfigFilename() const { return configFilename_; }
  virtual void WriteConfigRegistryKey(const std::string& key);
  const std::string& ReadConfigRegistryKey() const { return configRegistryKey_; }
  void WriteDefaultMain(const TStringList& list) { ConfigDefaultMain = list; }
  void WriteDefaultCustom(const TStringList& list) { ConfigDefaultCustom = list; }

  TStringList ConfigDictionaryDir{"%AppDir%"};
  TSpellOptions ConfigAvailableOptions{soUpcase, soNumbers, soPrimaryOnly, soRepeated, soDUalCaps};
  std::string ConfigUserOption1, ConfigUserOption2, ConfigUserOption3, ConfigUserOption4;
  bool ConfigUseMSWordCustom = true;
  TStringList ConfigDefaultMain{"American.adm"};
  TStringList ConfigDefaultCustom;
  std::string ConfigDefaultActiveCustom = "%ConfigID%.adu";
  TSpellOptions ConfigDefaultOptions{soLiveSpelling,  soLiveCorrect, soInternet,
                                     soAbbreviations, soRepeated,    soDUalCaps};
  bool ConfigDefaultUseMSWordCustom = false;

  void FireReadString(const std::string& ConfigID, const std::string& Key, const std::string& Default,
                      std::string& Value);
  void FireWriteString(const std::string& ConfigID, const std::string& Key, const std::string& Value);
  void FireConfigLoaded();
  void FireConfigSaved();
  // The configuration changed: rebuilds the rules and tells the listeners.
  virtual void FireConfigurationChanged(bool dictionaries);

  std::string ExpandVars(const std::string& text) const;
  std::string ExpandQuillVars(const std::string& text) const;

  // Microsoft Word custom dictionaries named in the registry that exist,
  // read once and kept.
  virtual const TStringList& ReadAvailableMSWordCustom();
  // A memory-only dictionary holding every line of a Word custom dictionary
  // (a word list, ANSI or Unicode); none when the file does not exist.
  std::unique_ptr<TCustomDictionary> GetMSWordCustomDictionary(const std::string& path);

  platform::Env& env() const { return *env_; }
  platform::KeyStore& keyStore() const { return *keyStore_; }
  const TSystemFacts& facts() const { return *facts_; }

  // --- Dictionary set ---
  // Opens the configured dictionaries afresh; names that cannot be opened
  // are left out.
  virtual void ReloadDictionaries();
  // A main dictionary for a bare file name (found in the search folders) or
  // a path; none when no file is accepted.
  virtual std::unique_ptr<TMainDictionary> GetMainDictionary(const std::string& name);
  // A custom dictionary for a bare name (a missing file is placed in the
  // first search folder) or a path; open objects of the same file save first.
  virtual std::unique_ptr<TCustomDictionary> GetCustomDictionary(const std::string& name);
  // File names (without folder) of *.extension in the search folders, each once.
  virtual void GetAvailableDictionaries(const std::string& extension, TStringList& list);
  virtual const TStringList& ReadAvailableMain();
  virtual const TStringList& ReadAvailableCustom();
  virtual bool EnableCustomDictionary(const std::string& name, bool enable);
  virtual bool EnableWordDictionary(const std::string& path, bool enable);
  virtual bool RemoveCustomDictionary(const std::string& name);
  virtual bool CreateNewCustomDictionary(const std::string& name);
  virtual bool RenameCustomDictionary(const std::string& oldName, const std::string& newName);
  // Puts the main dictionary that confirmed the most words first and tunes
  // the suggestions and word cutting to its language.
  virtual void OptimizeMainDictionaryOrder();
  // Closes the dictionary files between runs (unless kept active).
  virtual void UnloadDictionaries();
  void WriteKeepDictionariesActive(bool keep);
  bool ReadKeepDictionariesActive() const { return keepDictionariesActive_; }
  void NotifyDictionariesPathChanged(void* Sender);
  void WriteConfigDictionaryDir(const TStringList& list);
  const std::vector<std::string>& ReadSearchFolders() const { return searchFolders_; }
  void WriteMappingDictionary(const std::string& name);
  const std::string& ReadMappingDictionaryName() const { return mappingDictionaryName_; }
  void WriteLearnSuggestions(bool on);
  bool ReadLearnSuggestions() const { return suggestionsLearning_; }
  void WriteSuggestionsDictFN(const std::string& name);
  const std::string& ReadSuggestionsLearningDict() const { return suggestionsLearningDict_; }
  // The first main dictionary's language; 0 without one.
  uint32_t ReadTextPrimaryLanguage() const;
  int ReadMainDictionaryCount() const { return static_cast<int>(mainDictionaries_.size()); }
  TMainDictionary* ReadMainDictionary(int i) const { return mainDictionaries_[static_cast<size_t>(i)].get(); }
  int ReadCustomDictionaryCount() const { return static_cast<int>(customDictionaries_.size()); }
  TCustomDictionary* ReadCustomDictionary(int i) const { return customDictionaries_[static_cast<size_t>(i)].get(); }
  int ReadMSWordDictionaryCount() const { return static_cast<int>(msWordDictionaries_.size()); }
  TCustomDictionary* ReadActiveCustomDictionary() const { return activeCustom_.get(); }
  TCustomDictionary* ReadMappingDictionary() const { return mappingDictionary_.get(); }
  TCustomDictionary* ReadLearningDictionary() const { return learningDictionary_.get(); }
  // Words the user ignored for all runs of this component.
  TCustomDictionary& ReadIgnoreAllDictionary() { return *ignoreAll_; }
  bool ReadEnglishLoaded() const { return englishLoaded_; }

  // Dialog entry points; the base versions only fire the events below, a
  // component with dialogs shows its own when no handler is set.
  void Setup(void* Owner) { InternalSetup(Owner); }
  void SetupCustomDictionaries(void* Owner) { InternalSetupCustomDictionaries(Owner); }
  void EditCustomDictionary(void* Owner, TCustomDictionary* Dictionary) {
    InternalEditCustomDictionary(Owner, Dictionary);
  }
  // The chosen folder joins the configuration's dictionary folders.
  void SetupAddDictionaryDir(void* Owner);
  std::function<void(TQuillSpellBase* Sender, void* Owner)> OnShowConfigDialog;
  std::function<void(TQuillSpellBase* Sender, void* Owner)> OnShowCustomDictionariesDialog;
  std::function<void(TQuillSpellBase* Sender, void* Owner, TCustomDictionary* Dictionary)>
      OnShowEditCustomDictionaryDialog;
  std::function<void(TQuillSpellBase* Sender, void* Owner, std::string& Folder)> OnShowAddDictionaryDir;

  // --- Word tests ---
  virtual bool WordExistsInMain(const std::string& word);
  virtual bool WordExists(const std::string& word);
  virtual bool WordAcceptable(const std::string& word);
  virtual bool WordExcluded(const std::string& word);
  virtual std::string GetCaseModification(const std::string& word);
  virtual bool WordIsPossessive(const std::string& word);
  TCaseModification AllowedCases = cmInitialCapsOrUpcase;
  // The verdict on word, the one every asker takes (the check run and its
  // counts, the live spelling, the command line): the ignore rules (reading
  // around the cursor of the run or word check in progress), the words the
  // user excluded when UseExcludeWords, the custom and main dictionaries. A
  // word with a character Windows-1252 cannot hold is accepted. With
  // seekCorrection, a word that is not accepted (or any word, with
  // UseAutoCorrectFirst) and has an auto-correction is wcCorrected.
  TWordVerdict Verdict(const std::string& word, bool seekCorrection = false);

  // --- Suggestions ---
  // Ranked replacements for word, at most MaxSuggestions (-1: all).
  virtual void Suggest(const std::string& word, std::vector<std::string>& list);
  // As Suggest with max; with distances when given.
  virtual void InternalSuggest(const std::string& word, int max, std::vector<std::string>& list,
                               std::vector<int>* distances = nullptr);
  virtual void ExistsEvent(const std::string& word, bool& exists);
  // Remembers that the user replaced word with replacement.
  virtual void LearnSuggestion(const std::string& word, const std::string& replacement);
  void WriteSuggestions(std::unique_ptr<TSuggestionsGenerator> generator) {
    if (generator) suggestions_ = std::move(generator);
  }
  TSuggestionsGenerator& ReadSuggestions() { return *suggestions_; }
  int MaxSuggestions = -1;
  bool PhoneticSuggestions = true;
  bool SuggestionsAutoReplace = false;
  bool MappingAutoReplace = true;

  // --- Check run ---
  // One action of the user (or a silent correction), for undo.
  struct TQuillUndo {
    int32_t X = 0;
    int32_t Y = 0;
    std::string OldWord;
    TSpellAction Action = saIgnore;
    std::string Data;
    bool Chained = false;
    int32_t Owner = 0;
  };
  using TWordCheckEvent = std::function<void(TQuillSpellBase* Sender, const std::string& Word,
                                             TWordCheckType& CheckType, std::string& Replacement)>;
  using TParserReplaceEvent =
      std::function<void(TQuillSpellBase* Sender, bool Before, const std::string& Replacement, int32_t State)>;
  using TParserIgnoreEvent = std::function<void(TQuillSpellBase* Sender, bool Before, int32_t State)>;
  using TParserUndoEvent =
      std::function<void(TQuillSpellBase* Sender, int32_t UndoState, TSpellAction UndoAction, int32_t& UndoData)>;
  using TWordPromptEvent = std::function<void(TQuillSpellBase* Sender, const std::string& Word, bool Repeated)>;
  // A Yes/No question to the user; true for Yes.
  using TQuestionEvent = std::function<bool(const std::string& Text, const std::string& Caption)>;

  // Checks text (all of it); corrections change it.
  virtual void CheckString(std::string& text);
  // Starts a run over parser; with SynchronousCheck and a message pump the
  // call returns when the run has ended, otherwise at the first stop.
  virtual void CheckParser(TControlParser* parser, TCheckType type);
  virtual void CheckSmart(TControlParser* parser);
  virtual void StartSequenceCheck();
  virtual void StopSequenceCheck();
  virtual void StopCheck(bool cancel);
  virtual void ContinueCheck();
  virtual void CompleteCheck();
  virtual bool WordHasCorrection(const std::string& word, std::string& replacement);
  virtual bool ValidRepeatedWord(const std::string& word, TControlParser* parser);

  virtual void Check_Ignore();
  virtual void Check_IgnoreAll();
  virtual void Check_Change(const std::string& replacement);
  virtual void Check_ChangeAll(const std::string& replacement);
  virtual void Check_Add();
  virtual void Check_AutoCorrect(const std::string& replacement);
  virtual void Check_Undo();
  virtual void Check_RepeatIgnore();
  virtual void Check_RepeatDelete();
  virtual void Check_ControlEdited();
  virtual void Check_Help() {}
  virtual void Check_Cancel();
  // The run stands at a word: the check-run interface, then OnPromptWord,
  // are told (again, when a modal dialog shows only now).
  virtual void DoWordPrompt();

  bool ReadCanUndo() const { return !undo_.empty(); }
  void ResetUndo() { undo_.clear(); }
  void SetUndoAction(TSpellAction action, const std::string& data, bool chained);
  void PerformUndo();
  const std::vector<TQuillUndo>& ReadUndoList() const { return undo_; }

  // Counts over a text, with a cutter of their own.
  virtual int GetWordCountString(const std::string& text);
  virtual int GetWordCountParser(TControlParser* parser, TCheckType type);
  virtual int GetErrorCountString(const std::string& text);
  virtual int GetErrorCountParser(TControlParser* parser, TCheckType type);
  virtual bool ErrorsPresentInString(const std::string& text);
  virtual bool ErrorsPresentInParser(TControlParser* parser, TCheckType type);

  bool ReadChecking() const { return checking_; }
  bool ReadCancelled() const { return cancelled_; }
  bool ReadInSequence() const { return inSequence_; }
  bool ReadRepeatedWord() const { return repeated_; }
  const std::string& ReadCurrentWord() const { return currentWord_; }
  int ReadWordCount() const { return wordCount_; }
  // The cursor of the run or word check in progress; may be none.
  TControlParser* ReadCurrentParser() const { return currentParser_; }

  bool UseExcludeWords = true;
  bool UseAutoCorrectFirst = false;
  bool RecheckReplacedWords = true;
  bool ResumeFromLastPosition = true;
  TSpellEndPosition EndCursorPosition = epOriginal;
  int MaxUndo = -1;
  bool SynchronousCheck = true;
  // A run busy for more than a second without a stop shows the hourglass.
  bool UseHourglassCursor = true;
  bool DialogShowImmediate = false;
  bool DialogShowModal = false;
  // Processes one application message while a synchronous run waits; none
  // in tests, which issue the commands themselves.
  std::function<void()> PumpMessage;
  // Asks the selection question of CheckSmart; without one the answer is No.
  TQuestionEvent OnQuestion;

  TWordCheckEvent OnWordCheck;
  TParserReplaceEvent OnParserReplaceWord;
  TParserIgnoreEvent OnParserIgnoreWord;
  TParserUndoEvent OnParserUndoLast;
  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnCompleteCheck;
  TWordPromptEvent OnPromptWord;
  TNotifyEvent OnShowEndMessage;

  // --- Spelling menu ---
  // Builds, shows and evaluates the menu of word, offering options. On
  // return word holds the chosen replacement (spReplace, spChangeAll,
  // spAutoCorrect); the dictionaries already reflect the choice.
  virtual TSpellPopupOption ShowPopupMenu(void* Owner, TSpellPopupOptions Options, int X, int Y,
                                          std::string& Word);
  virtual std::unique_ptr<TSpellPopupMenu> CreatePopupMenu(void* Owner);
  // Appends an item to SubMenu, or to the menu's top level without one.
  virtual TSpellMenuItem* AddMenuItem(TSpellPopupMenu& Menu, TSpellMenuItem* SubMenu, const std::string& Caption,
                                      bool Enable, bool HasChildren, int Tag);
  // Shows the menu at the screen point; the clicked item's tag and caption
  // are known on return (tag 0: dismissed). The base shows nothing without
  // OnPopupDoMenu; a component with windows shows a real menu.
  virtual void DoPopup(TSpellPopupMenu& Menu, int X, int Y, int& Tag, std::string& Caption);
  // The click of an item: remembers its tag and caption.
  void PopupMenuHook(const TSpellMenuItem& Item);
  bool ReadMenuBusy() const { return menuBusy_; }
  std::function<void(TQuillSpellBase* Sender, void* Owner, std::unique_ptr<TSpellPopupMenu>& PopupMenu)>
      OnPopupCreateMenu;
  std::function<void(TQuillSpellBase* Sender, TSpellPopupMenu& Menu, TSpellMenuItem* SubMenu,
                     const std::string& Caption, bool Enable, bool HasChildren, int Tag, TSpellMenuItem*& MenuItem)>
      OnPopupAddMenuItem;
  std::function<void(TQuillSpellBase* Sender, TSpellPopupMenu& Menu, int XPos, int YPos, int& PopupAction,
                     std::string& PopupWord)>
      OnPopupDoMenu;
  std::function<void(TQuillSpellBase* Sender, const std::string& Word, std::string& ResultWord,
                     TSpellPopupOption& PopupResult)>
      OnPopupResult;
  // Told after every menu, with its result readable while they are told.
  TEventList& PopupResultListeners() { return popupResult_; }
  TSpellPopupOption ReadPopupResult() const { return popupResultValue_; }

  // --- Interface texts ---
  // The table's text in UILanguage, as OnGetString may change it.
  virtual std::string GetString(TSpellLanguageString key);
  TSpellLanguageType UILanguage = ltEnglish;
  std::function<void(TQuillSpellBase* Sender, TSpellLanguageString LanguageString, std::string& Text)> OnGetString;

  // --- Events and listeners ---
  TNotifyEvent OnDictionariesChanged;
  TNotifyEvent OnAdjustPhoneticsMap;
  std::function<void(TQuillSpellBase* Sender, std::unique_ptr<TCustomDictionary>& Dictionary)>
      OnCreateCustomDictionary;
  std::function<void(TQuillSpellBase* Sender, std::string& Word)> OnCaseModification;
  TNotifyEvent OnAddCustomIgnore;
  TNotifyEvent OnConfigChanged;
  TNotifyEvent OnConfigLoaded;
  TNotifyEvent OnConfigSaved;
  TConfigReadStringEvent OnConfigReadString;
  TConfigWriteStringEvent OnConfigWriteString;
  TEventList& OptionsChangedListeners() { return optionsChanged_; }
  TEventList& ConfigurationChangedListeners() { return configurationChanged_; }
  // Told before and after the cursor passes a word the user ignored or
  // added; the state and the side are readable while they are told.
  TEventList& IgnoreWordListeners() { return ignoreWord_; }
  TIgnoreWordState ReadIgnoreWordState() const { return ignoreWordState_; }
  bool ReadIgnoreWordBefore() const { return ignoreWordBefore_; }

 protected:
  // Empties the cache of ReadAvailableMSWordCustom.
  void ForgetAvailableMSWordCustom() {
    availableMSWordCustom_.Clear();
    availableMSWordCustomRead_ = false;
  }

 protected:
  // The events' handlers, else the check-run interface's dialogs.
  virtual void InternalSetup(void* Owner) {
    if (OnShowConfigDialog)
      OnShowConfigDialog(this, Owner);
    else if (runUI_)
      runUI_->Setup(Owner);
  }
  virtual void InternalSetupCustomDictionaries(void* Owner) {
    if (OnShowCustomDictionariesDialog)
      OnShowCustomDictionariesDialog(this, Owner);
    else if (runUI_)
      runUI_->SetupCustomDictionaries(Owner);
  }
  virtual void InternalEditCustomDictionary(void* Owner, TCustomDictionary* Dictionary) {
    if (OnShowEditCustomDictionaryDialog)
      OnShowEditCustomDictionaryDialog(this, Owner, Dictionary);
    else if (runUI_)
      runUI_->EditCustomDictionary(Owner, Dictionary);
  }
  // The folder the user chose; empty when none.
  virtual std::string InternalSetupAddDictionaryDir(void* Owner) {
    std::string folder;
    if (OnShowAddDictionaryDir)
      OnShowAddDictionaryDir(this, Owner, folder);
    else if (runUI_)
      folder = runUI_->SetupAddDictionaryDir(Owner);
    return folder;
  }
  // The run's user interface, the check-run interface's when there is one.
  virtual void EnsureUI() {
    if (runUI_) runUI_->EnsureUI();
  }
  // Shows (on) or takes back (off) the busy cursor of a long run.
  virtual void ShowHourglass(bool on) {
    if (runUI_) runUI_->ShowHourglass(on);
  }
  // Milliseconds on a steady clock, for the hourglass's delay.
  virtual int64_t TickCountMs() const;
  virtual void ShutdownUI() {
    if (runUI_) runUI_->ShutdownUI();
  }
  virtual void ShowEndMessage();
  void Fire_ReplaceWord(const std::string& text, int32_t state);
  void Fire_IgnoreWord(TIgnoreWordState state);
  void Fire_UndoLast(int32_t state, TSpellAction action, int32_t& data);
  // Shows the menu at the screen point and returns once it closed, its
  // clicked item having gone through PopupMenuHook: the live interface's.
  virtual void PresentPopupMenu(TSpellPopupMenu& Menu, int X, int Y) {
    if (liveUI_) liveUI_->PresentPopupMenu(Menu, X, Y);
  }

 private:
  void InstallHooks();
  // ResynchOptions' work on the rules, outside loading.
  void RebuildRules(bool force);
  void RebuildSearchFolders();
  void ForgetAvailableLists();
  bool InMainDictionaries(const std::string& word, bool count);
  // With cmInitialCapsOrUpcase, the capitalised form of a word in capitals,
  // under which a name is found ("PARIS": "Paris"); otherwise empty.
  std::string NameFormOfCapitals(const std::string& word) const;
  bool AddedWordIn(const std::string& word);
  bool ExcludedAsWritten(const std::string& word);
  // The thorough suggestions' additions and order, over the ranked list.
  void ThoroughRank(const std::string& word, std::vector<std::string>& work, std::vector<int>& distance);
  // Whether a word the suggestions found may be offered: neither it nor its
  // case modification ("Color" of "color") is one the user excluded.
  bool Offerable(const std::string& word);
  bool CheckRunActive() const { return checking_; }
  bool RunCommandAllowed(bool forRepeated) const { return checking_ && currentParser_ && (forRepeated || !repeated_); }
  void CountWords(TControlParser* parser, TCheckType type, int& words, int& errors, bool& present, bool stopAtFirst,
                  bool countErrors);
  // Verdict with repeated words, for a check run, and for a count when
  // `replacement` is null: a count applies no corrections, so there an
  // unacceptable word is wcDenied and an excluded one wcExcluded even when a
  // correction exists. `previous` is the word a repeat is compared with; it
  // is updated as the run updates it.
  TWordCheckType JudgeWord(const std::string& word, std::string& previous, TControlParser* parser,
                           std::string* replacement);

  platform::Env* env_;
  platform::KeyStore* keyStore_;
  const TSystemFacts* facts_;

  std::unique_ptr<TParsingEngine> parsingEngine_;
  std::unique_ptr<TPhoneticsMap> phoneticsMap_ = std::make_unique<TPhoneticsMap>();
  std::vector<std::unique_ptr<TParserIgnore>> allRules_;
  std::vector<TParserIgnore*> beforeCheckRules_;
  std::vector<TParserIgnore*> lineRules_;
  std::string quoteChars_ = ">";
  bool rulesBuilt_ = false;
  TSpellOptions rulesOptions_;
  int loading_ = 0;

  bool primaryOnly_ = false;
  bool repeatedWords_ = false;
  bool dualCaps_ = false;
  bool thorough_ = false;
  bool liveSpelling_ = false;
  bool liveCorrect_ = false;

  TConfigStorage configStorage_ = csRegistry;
  std::string configID_ = "%UserName%";
  std::string configFilename_ = "%AppDir%\\Spell.cfg";
  std::string configRegistryKey_ = "Software\\Morvane\\Spelling\\%AppName%";
  TStringList availableMSWordCustom_;
  bool availableMSWordCustomRead_ = false;

  std::vector<std::string> searchFolders_;
  std::vector<std::unique_ptr<TMainDictionary>> mainDictionaries_;
  std::vector<std::unique_ptr<TCustomDictionary>> customDictionaries_;
  std::vector<std::unique_ptr<TCustomDictionary>> msWordDictionaries_;
  std::unique_ptr<TCustomDictionary> activeCustom_;
  std::unique_ptr<TCustomDictionary> mappingDictionary_;
  std::unique_ptr<TCustomDictionary> learningDictionary_;
  std::unique_ptr<TCustomDictionary> ignoreAll_;
  std::string mappingDictionaryName_;
  bool suggestionsLearning_ = true;
  std::string suggestionsLearningDict_ = "Spell.adl";
  bool englishLoaded_ = false;
  bool keepDictionariesActive_ = false;
  TStringList availableMain_, availableCustom_;
  bool availableMainRead_ = false, availableCustomRead_ = false;
  std::unique_ptr<TSuggestionsGenerator> suggestions_ = std::make_unique<TSuggestionsGenerator>();
  TWordFrequencies frequencies_;  // of the first main dictionary, for thorough suggestions
  std::string frequenciesFor_;    // that dictionary's file name, once they are read

  // Only the run, the counts and a TWordCheck set it, each for its own time.
  friend class TWordCheck;
  TControlParser* currentParser_ = nullptr;
  bool checking_ = false;
  bool cancelled_ = false;
  bool beforeChange_ = false;
  bool inSequence_ = false;
  bool repeated_ = false;
  std::string currentWord_;
  std::string previousWord_;
  int wordCount_ = 0;
  int32_t caretX_ = 0, caretY_ = 0;
  std::vector<TQuillUndo> undo_;
  bool sequenceKeepActive_ = false;

 protected:
  // Words until the run reorders the main dictionaries.
  int reorderCountdown_ = 100;

 private:
  TEventList optionsChanged_;
  TEventList configurationChanged_;
  TEventList ignoreWord_;
  TIgnoreWordState ignoreWordState_ = iwNone;
  TEventList popupResult_;
  TSpellPopupOption popupResultValue_ = spCancel;
  bool menuBusy_ = false;
  int popupTag_ = 0;
  std::string popupCaption_;
  bool ignoreWordBefore_ = false;
  std::unique_ptr<TQuillConfig> config_;
  TCheckRunUI* runUI_ = nullptr;
  TLiveUI* liveUI_ = nullptr;
};

}  // namespace tq::spell
