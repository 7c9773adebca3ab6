#pragma once
// Where the viewer's messages to the user go: a message box in use, a record in tests.
#include <QSet>
#include <QString>

class QWidget;

namespace zav::help {

class IMessageSink {
  public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(const QString& text) = 0;
};

// A message box with an OK button, titled with the program's name. It does not block the
// caller, so messages from the tutor keep their order while it is open. At most one box shows
// the same text at a time.
class CBoxMessageSink : public IMessageSink {
  public:
    explicit CBoxMessageSink(QWidget* parent) : parent_(parent) {}
    void ShowMessage(const QString& text) override;
    int OpenBoxes() const;

  private:
    QWidget* parent_;
    QSet<QString> open_;
};

}  // namespace zav::help
