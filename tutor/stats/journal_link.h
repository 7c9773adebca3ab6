#pragma once
// The tutor's side of the journal: which document the turns belong to, writing each finished
// turn, and the one message when the journal cannot be used. The typing and the progress file
// never wait for it or depend on it. The journal file is opened when it is first needed (the end
// of the first turn, the "Progreso" tab, the slow-letters drill): a window that is only looked at
// never loads the database.
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/stats/journal.h"
#include "core/stats/progress_periods.h"

namespace zav::ui {

class CPrompts;

class CJournalLink {
  public:
    explicit CJournalLink(CPrompts& prompts);
    ~CJournalLink();

    // $XDG_DATA_HOME/zavtype/journal.sqlite (~/.local/share when the variable is unset).
    static std::filesystem::path DefaultFile();
    // The journal to use from now on; it is opened on first need.
    void Use(const std::filesystem::path& file = DefaultFile());

    // New, Open or another course put a document on screen; `path` is empty for "Sin título",
    // whose turns are kept under an id of their own until the document is first saved.
    void DocumentReplaced(const QString& path);
    // The document was saved, perhaps under a new name.
    void PathChanged(const QString& path);
    // A new "Sin título" document: a new id.
    void StartUntitled();
    const std::string& DocumentKey() const { return key_; }

    void AddTurn(const CTurnRecord& record, const CKeyTimes& keys, const std::string& course);

    // The current document's days for the "Progreso" chart; nothing without a journal.
    std::optional<std::vector<ProgressPeriod>> Progress() const;
    // The slowest letters of the last 30 days for the "Letras lentas" drill.
    std::string SlowLetters() const;
    // Each key's median milliseconds per keystroke over the last `days` days, for a keyboard
    // coloured by speed.
    std::vector<JournalKey> KeySpeeds(int days = 30) const;

  private:
    // The open journal, opening it the first time; null when there is none to use.
    CJournal* Journal() const;
    // Shows the message of a failure once per run.
    void Report(JournalStatus status) const;

    CPrompts& prompts_;
    std::filesystem::path file_;
    // Opened lazily by the const queries too.
    mutable std::unique_ptr<CJournal> journal_;
    mutable bool tried_ = false;
    mutable bool reported_ = false;
    std::string key_;
    bool untitled_ = true;
};

}  // namespace zav::ui
