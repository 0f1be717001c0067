#pragma once
// The drawing window: the picture Image1 with its frame handles, the pointer
// read-out, the pen and window controls, and the menu "Файл".
#include "drawing/FrameDrag.h"
#include "platform/Canvas.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TDrawing;
class TLatticeOverlay;

namespace platform {
class TFormCanvas;
class TImage;
class TShape;
class TUpDown;
}  // namespace platform

class TForm2 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    platform::TImage* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit5 = nullptr;
    platform::TUpDown* UpDown1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    platform::TShape* Shape1 = nullptr;
    platform::TShape* Shape2 = nullptr;
    platform::TShape* Shape3 = nullptr;
    platform::TShape* Shape4 = nullptr;
    platform::TShape* Shape5 = nullptr;
    platform::TShape* Shape6 = nullptr;
    platform::TShape* Shape7 = nullptr;
    platform::TShape* Shape8 = nullptr;

    QMenu* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;

    // The drawing on Image1: the picture, the world window of the last
    // construction and the figure pen.
    std::unique_ptr<TDrawing> Drawing;
    // The lattice points of a triangle marked over Image1, hidden until asked
    // for and whenever the picture is drawn again.
    TLatticeOverlay* LatticeOverlay = nullptr;

    // The window's own canvas, over the client area and its controls: the
    // rubber band of a drag is drawn on it.
    platform::TFormCanvas* Canvas = nullptr;
    // The drag state shared by the handles and the picture.
    TDragState Drag;
    // Where the save and open dialogs start: the user's pictures folder until a
    // file has been chosen, then the folder of the file chosen last.
    QString PictureFolder;

    // The colour the colour dialog returned last; it opens on it next time.
    platform::TColor ColorDialog1Color = platform::clBlack;

    // Handlers.
    void Button1Click();   // clear the picture
    void Button2Click();   // rebuild the current figure
    void Button3Click();   // figure pen colour
    void UpDown1Click();   // figure pen thickness
    void FormClose();      // hide, then reset the main window's entry
    void FormActivate();   // hide the handles, ready the window canvas for the band
    void N2Click();        // save the picture ("Записати")
    void N3Click();        // load a picture file ("Прочитати")
    void N4Click();        // print the picture ("Надрукувати")
    void N5Click();        // copy the picture to the clipboard ("Копіювати")

    // Pointer handlers of the picture and its handles (FrameHandles.cpp). The
    // picture's move shows the world coordinates under the pointer first.
    void Image1MouseMove(Qt::MouseButtons held, int x, int y);
    void FrameMouseDown(TFrameControl control, Qt::MouseButton button, int x, int y);
    void FrameMouseMove(TFrameControl control, Qt::MouseButtons held, int x, int y);
    void FrameMouseUp(TFrameControl control, Qt::MouseButton button, int x, int y);

    // Shows the window in front of the others and gives it the focus, also when
    // it is already visible behind the main window.
    void ShowInFront();

    // The eight handles, in order Shape1..Shape8.
    std::array<platform::TShape*, 8> Handles() const;
    // Lays the handles out around Image1's present bounds, just outside it.
    void PlaceHandles();
    void HideHandles();
    void ShowHandles();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls(QWidget* client);
    void BuildMenu();
    void ConnectHandlers();
    void ConnectPointerHandlers();
    // The band of the present drag, drawn (or, drawn again, erased) in the
    // window canvas's pen.
    void DrawBand(TFrameControl control);
};
