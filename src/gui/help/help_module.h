#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class Form1;
class Form3;
class QColor;
class QEvent;

// The hover hints in the hint box Text6, the help texts and version notes
// they open in the help window Form3, and the wait notice Label31.
//
// It watches its own elements: the pointer, focus and clicks of Text6, the
// clicks of lbVer and the changes of Label30.
class HelpModule : public QObject
{
    Q_OBJECT

public:
    explicit HelpModule(Form1 &form);
    ~HelpModule() override;

    // The hint of the topic at HintX, HintY while help (Check3) is on.
    void HintShow(const QString &topic);

    // A click or double click on Text6: the help text of the hint shown.
    void openShownHint();
    // A click on lbVer (recolour: Text6 turns yellow first) or a double click.
    void versionNotes(bool recolour);
    // The pointer over Text6: blue text on yellow.
    void hintBoxHovered();

    // Closes (unloads) the help window if it is open.
    void closeHelpWindow();
    // The help window while it is loaded, else null.
    Form3 *helpWindow() const;

    // The background of the hint box, which the help window takes over.
    QColor hintBackground() const;

    // The help text the help window shows next (a system path).
    QString HelpFile;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setHintColours(const QColor &text, const QColor &background);
    void showHelpWindow();
    // Label30 changed: the wait notice in Label31.
    void busyTextChanged();

    Form1 &f;
    QPointer<Form3> m_form3;
};
