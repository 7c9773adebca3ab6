#include "tutor/stats/journal_link.h"

#include <QUuid>
#include <ctime>

#include "shared/prompts.h"
#include "tutor/texts.h"

namespace zav::ui {
namespace {

QString FailureText(JournalStatus status) {
    switch (status) {
        case JournalStatus::Unwritable:
            return Tr(text::kJournalUnwritable);
        case JournalStatus::Full:
            return Tr(text::kJournalFull);
        case JournalStatus::Locked:
            return Tr(text::kJournalLocked);
        case JournalStatus::Newer:
            return Tr(text::kJournalNewer);
        default:
            return Tr(text::kJournalUnusable);
    }
}

}  // namespace

CJournalLink::CJournalLink(CPrompts& prompts) : prompts_(prompts) {
    StartUntitled();
}

CJournalLink::~CJournalLink() = default;

std::filesystem::path CJournalLink::DefaultFile() {
    return JournalDefaultFile();  // the same file zavtool reads
}

void CJournalLink::Use(const std::filesystem::path& file) {
    file_ = file;
    journal_.reset();
    tried_ = false;
}

CJournal* CJournalLink::Journal() const {
    if (!tried_ && !file_.empty()) {
        tried_ = true;
        journal_ = std::make_unique<CJournal>(file_);
        Report(journal_->Open());
    }
    return journal_ && journal_->IsOpen() ? journal_.get() : nullptr;
}

void CJournalLink::Report(JournalStatus status) const {
    if (status == JournalStatus::Ok || status == JournalStatus::Closed || reported_) return;
    reported_ = true;
    const QString file = QString::fromStdString(journal_->File().string());
    if (status == JournalStatus::SetAside) {
        prompts_.Message(Tr(text::kJournalSetAside)
                             .arg(file, QString::fromStdString(journal_->SetAsidePath().string())),
                         QMessageBox::Information);
        return;
    }
    prompts_.Message(FailureText(status).arg(file) + QLatin1Char(' ') + Tr(text::kJournalGoesOn),
                     QMessageBox::Warning);
}

void CJournalLink::StartUntitled() {
    key_ = "sin-titulo:" + QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    untitled_ = true;
}

void CJournalLink::DocumentReplaced(const QString& path) {
    if (path.isEmpty()) {
        if (!untitled_) StartUntitled();
        return;
    }
    key_ = path.toStdString();
    untitled_ = false;
}

void CJournalLink::PathChanged(const QString& path) {
    const std::string next = path.toStdString();
    if (next.empty() || next == key_) return;
    // Turns typed untitled are in the journal only if it was opened for them.
    if (untitled_ && journal_ && journal_->IsOpen()) Report(journal_->MoveDocument(key_, next));
    key_ = next;
    untitled_ = false;
}

void CJournalLink::AddTurn(const CTurnRecord& record, const CKeyTimes& keys,
                           const std::string& course) {
    if (CJournal* journal = Journal())
        Report(journal->AddTurn({std::time(nullptr), key_, course, record, &keys}));
}

std::optional<std::vector<ProgressPeriod>> CJournalLink::Progress() const {
    CJournal* journal = Journal();
    if (!journal) return std::nullopt;
    const std::time_t now = std::time(nullptr);
    return ProgressPeriods(journal->Days(key_, ""), JournalLocalDate(now));
}

std::string CJournalLink::SlowLetters() const {
    CJournal* journal = Journal();
    return journal ? journal->SlowestLetters(key_, std::time(nullptr)) : std::string();
}

std::vector<JournalKey> CJournalLink::KeySpeeds(int days) const {
    CJournal* journal = Journal();
    return journal ? journal->KeySpeeds(key_, days, std::time(nullptr)) : std::vector<JournalKey>();
}

}  // namespace zav::ui
