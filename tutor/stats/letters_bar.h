#pragma once
// The letters bar docked under the view: the letters the user types well and those that go
// wrong most, as the view reports them at the start of every turn.
#include <QDockWidget>
#include <memory>

namespace Ui {
class CLettersBar;
}

namespace zav::ui {

class CLettersBar : public QDockWidget {
    Q_OBJECT

  public:
    explicit CLettersBar(QWidget* parent = nullptr);
    ~CLettersBar() override;

    void ShowLists(const QString& good, const QString& bad);
    QString Good() const;
    QString Bad() const;

  private:
    std::unique_ptr<Ui::CLettersBar> ui_;
};

}  // namespace zav::ui
