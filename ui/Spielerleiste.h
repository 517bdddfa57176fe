#pragma once
#include <QScrollBar>

namespace pelu {

// A player scroll bar: values -1 to 9, one step per arrow, the upper arrow
// and the wheel counting up. Up, Right and Page Up count up, Down, Left and
// Page Down down, one step per key as the arrows do, on the keypad too; Tab
// reaches it while it is shown, and a dotted frame shows that it has the
// focus.
class Spielerleiste : public QScrollBar {
    Q_OBJECT
  public:
    explicit Spielerleiste(QWidget* eltern);

  protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    void Umkehren(int aktion);
};

} // namespace pelu
