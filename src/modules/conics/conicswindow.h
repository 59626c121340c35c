#pragma once

#include "app/modulewindow.h"
#include "app/placement.h"
#include "modules/conics/figurestore.h"
#include "modules/conics/figuretext.h"

#include <QString>

#include <optional>

class MultiLineTextBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class ScaleControls;
class WorldFrame;

// Where the two conics windows differ in their controls: the places of the controls outside the
// two frames (the frames' contents are the same), the conic's entry in List1 and the caption of
// Label4.
struct ConicsLayout
{
    TwipRect Label1;
    TwipRect List1;
    TwipRect Frame1;
    TwipRect Frame2;
    TwipRect Label2;
    TwipRect Label3;
    TwipRect List2;
    TwipRect Label4;
    TwipRect Text8;
    TwipRect Picture1;
    QString conicEntry;
    QString intersectionCaption;
};

// The window of two figures, each a line or a conic, kept in the figure store that the two conics
// windows share: their coefficients set with sliders or typed, stored as the first or second
// figure with their descriptions in List2, drawn together, and intersected into Text8. The
// parabola and the circle window add how they read a stored conic.
class ConicsWindow : public ModuleWindow
{
    Q_OBJECT

public:
    ConicsWindow(ModuleContext &context, const ModuleEntry &entry, const ConicsLayout &layout);

protected:
    // Stores the figure of the boxes as figure k and gives its rows; nothing on an overflow.
    virtual std::optional<conics::FigureRows> storeFigure(conics::FigureNumber k,
                                                          const conics::Figure &boxes) = 0;
    // The intersection text of the stored figures; nothing on an overflow.
    virtual std::optional<QString> intersectionText() = 0;
    // "&Plot": draws the stored figures on the canvas and shows the message of a failure.
    virtual void Command1_Click() = 0;

    conics::FigureStore &figures() { return m_context.figures; }
    WorldFrame canvasFrame() const;
    bool gridTicked() const;

    // The message of an arithmetic failure.
    static QString errorMessage() { return QStringLiteral("Error"); }

private:
    void Form_Load();
    void storeAs(conics::FigureNumber k);

    void Command2_Click();
    void Command4_Click() { storeAs(conics::FigureNumber::First); }
    void Command5_Click() { storeAs(conics::FigureNumber::Second); }
    void Command6_Click();

    QString m_conicEntry;
    ScaleControls *m_scale;

    QLabel *Label1;
    QListWidget *List1;
    QGroupBox *Frame1;
    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command6;
    QPushButton *Command5;
    QPushButton *Command2;
    QPushButton *Command3;
    QGroupBox *Frame2;
    QCheckBox *Check1;
    QLineEdit *Text1;
    QScrollBar *VScroll1;
    QLabel *Label5;
    QLineEdit *Text5;
    QScrollBar *VScroll5;
    QLabel *Label6;
    QLineEdit *Text6;
    QScrollBar *VScroll6;
    QLabel *Label7;
    QLineEdit *Text7;
    QScrollBar *VScroll7;
    QLabel *Label8;
    QLineEdit *Text2;
    QScrollBar *VScroll2;
    QLabel *Label9;
    QLineEdit *Text3;
    QScrollBar *VScroll3;
    QLabel *Label10;
    QLineEdit *Text4;
    QScrollBar *VScroll4;
    QLabel *Label11;
    QLabel *Label2;
    QLabel *Label3;
    QListWidget *List2;
    QLabel *Label4;
    MultiLineTextBox *Text8;
};
