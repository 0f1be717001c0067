#pragma once
// The main window: four tab pages of input and result fields, the hidden
// buttons and the main menu. Its handlers live in the folder of the subject
// they serve (src/polygon, src/triangle, ...); this folder holds the layout,
// the routing and the reset.
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QWidget;

namespace platform {
class TMemo;
class TUpDown;
}  // namespace platform

class TSkinManager;
class TSkinProvider;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;

    // "Трикутник"
    QLabel* Label5 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* Edit16 = nullptr;
    QLineEdit* Edit18 = nullptr;
    QLineEdit* Edit21 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // "Чотирикутни"
    QLabel* Label12 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QLineEdit* Edit12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QPushButton* Button2 = nullptr;
    QLineEdit* Edit13 = nullptr;
    QLineEdit* Edit14 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label20 = nullptr;
    platform::TMemo* Memo2 = nullptr;
    QLabel* Label21 = nullptr;

    // "N-кутник"
    QLineEdit* Edit7 = nullptr;
    QLabel* Label17 = nullptr;
    platform::TUpDown* UpDown1 = nullptr;
    QLabel* Label18 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button4 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLineEdit* Edit15 = nullptr;
    QLineEdit* Edit23 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label32 = nullptr;
    platform::TMemo* Memo1 = nullptr;
    QLabel* Label19 = nullptr;

    // "Правильні n-кутники"
    QLineEdit* Edit19 = nullptr;
    QLabel* Label1 = nullptr;
    platform::TUpDown* UpDown2 = nullptr;
    QLineEdit* Edit20 = nullptr;
    QLabel* Label27 = nullptr;
    QLineEdit* Edit22 = nullptr;
    QLabel* Label31 = nullptr;
    QLineEdit* Edit17 = nullptr;
    QLabel* Label25 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    platform::TMemo* Memo3 = nullptr;
    QLabel* Label26 = nullptr;

    // Below the pages, never visible.
    QPushButton* Error = nullptr;
    QPushButton* Button3 = nullptr;

    // Menu.
    QMenu* NFile = nullptr;
    QAction* NOpenTask = nullptr;
    QAction* NSaveTask = nullptr;
    QAction* NQuit = nullptr;
    QMenu* N1 = nullptr;
    QAction* N4 = nullptr;
    QAction* N3 = nullptr;
    QAction* N5 = nullptr;
    QAction* N21 = nullptr;
    QAction* N22 = nullptr;
    QAction* N2 = nullptr;
    QAction* N23 = nullptr;
    QMenu* N6 = nullptr;
    QAction* N11 = nullptr;
    QAction* N13 = nullptr;
    QAction* N12 = nullptr;
    QMenu* N7 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N10 = nullptr;
    QAction* N20 = nullptr;
    QAction* N24 = nullptr;
    QMenu* n17 = nullptr;
    QAction* N18 = nullptr;
    QAction* N19 = nullptr;
    QAction* NWorking = nullptr;
    QMenu* N14 = nullptr;
    QAction* N15 = nullptr;
    QAction* N16 = nullptr;

    TSkinManager* SkinManager1 = nullptr;
    TSkinProvider* SkinProvider1 = nullptr;

    // Handlers.
    void FormCreate();
    void Button3Click();  // reset of the entry tabs
    void N11Click();      // construct the quadrilateral
    void N15Click();      // show the skin chooser
    void N16Click();      // show the help page
    void NWorkingClick();  // show the working window

    // src/shell/TaskCommands.cpp
    void NOpenTaskClick();  // open a task file
    void NSaveTaskClick();  // save the task
    void NQuitClick();      // end the program
    // Opens the task in that file; a file that is not a usable task is refused
    // with a message and changes nothing. True when it opened.
    bool OpenTaskFile(const QString& path);
    // The program's arguments: the first file named is opened as a task.
    void OpenTaskArguments(const QStringList& arguments);
    // Where the task dialogs start: the folder of the task chosen last; before
    // that, the examples for opening and the documents folder for saving.
    QString OpenTaskFolder() const;
    QString SaveTaskFolder() const;
    QString TaskFolder;

    // src/polygon
    void Button1Click();  // add the typed vertex
    void Button4Click();  // random vertices
    void ErrorClick();    // the figure check
    void N9Click();       // area
    void N10Click();      // convexity
    void N20Click();      // convex hull by repeated scans
    void N24Click();      // convex hull by the Jarvis march

    // src/drawing
    void N8Click();  // the construction

    // src/quadrilateral
    void Button2Click();  // add the typed vertex
    void N13Click();      // area
    void N12Click();      // convexity, after the check

    // src/regular
    void N18Click();  // build the regular polygon
    void N19Click();  // area of the polygon inscribed in the circle of the side field's radius

    // src/triangle
    void N4Click();   // build the triangle
    void N2Click();   // does it exist
    void N3Click();   // three areas
    void N5Click();   // side lengths
    void N21Click();  // circumscribed (first method) and inscribed circles
    void N22Click();  // circumscribed circle
    void N23Click();  // as N21Click, from floating-point fields

    // Refuses a vertex count the store cannot hold; true when n is usable.
    bool AcceptVertexCount(int32_t n);

protected:
    // Closing the main window ends the program, whatever else is shown.
    void closeEvent(QCloseEvent* event) override;
    // A task file dropped onto the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildTriangleTab();
    void BuildQuadrilateralTab();
    void BuildPolygonTab();
    void BuildRegularTab();
    void BuildMenu();
    void ConnectHandlers();
    static void PressOnEnter(QLineEdit* field, QPushButton* button);
};

class TForm2;
class TForm3;
class TForm4;

// The four windows, created once in this order and living until exit.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
