#include "helpviewer/message_sink.h"

#include <QMessageBox>

#include "helpviewer/texts.h"

namespace zav::help {

// A flood of the same bad message would stack a box per copy: while one box shows a text,
// the same text is not shown again.
void CBoxMessageSink::ShowMessage(const QString& text) {
    if (open_.contains(text)) return;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(help_text::kProgramName),
                                text, QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    open_.insert(text);
    QObject::connect(box, &QObject::destroyed, [this, text] { open_.remove(text); });
    box->open();
}

int CBoxMessageSink::OpenBoxes() const {
    return static_cast<int>(open_.size());
}

}  // namespace zav::help
