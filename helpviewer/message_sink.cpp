#include "helpviewer/message_sink.h"

#include <QMessageBox>

#include "helpviewer/texts.h"

namespace zav::help {

void CBoxMessageSink::ShowMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(help_text::kProgramName),
                                text, QMessageBox::Ok, parent_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace zav::help
