#pragma once

#include "core/clients/ledger.h"

#include <QLineEdit>
#include <QWidget>

#include <array>
#include <optional>

class ClickLabel;
class Clipboard;
class Form1;
class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// An entry field of the ledger window. An amount or date field takes only
// what the key filter lets through (filterAmountKeys), whether the text is
// typed, committed by an input method or pasted; Backspace and the editing
// keys work as usual. Enter is not typed but signalled.
class LedgerField : public QLineEdit
{
    Q_OBJECT

public:
    LedgerField(const QString &objectName, bool amountKeys, Clipboard &clipboard, QWidget *parent);

Q_SIGNALS:
    void entered();
    void focusEntered();
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_amountKeys;
    Clipboard &m_clipboard;
};

// frmPACC, the billing ledger of one client: the rows of its "PACC.txt" with
// the balance, and entry fields for the total (Text1..Text3) and for a
// payment (Text4..Text6). Enter in a note field applies its row and stores
// the ledger at once; a double-click on a payment row puts it into the
// payment fields, and the next payment entered replaces it.
class FrmPACC : public QWidget
{
    Q_OBJECT

public:
    // lbACC: closes the ledger window of the main window if one is open and
    // opens one, not modal, for the client CurClient. Without a client (or
    // with a name that is no folder name) nothing opens and the user is told.
    static FrmPACC *open(Form1 &form);

    FrmPACC(Form1 &form, QString ledgerPath);

    const QString &ledgerPath() const { return m_ledgerPath; }
    const LedgerTable &table() const { return m_table; }
    // The payment row the next payment replaces.
    std::optional<int> replacedRow() const { return m_replaceRow; }

    void PACCLoad();
    void DisplayPACC();
    // Enter in Text3: the total and the currency into the table, then stored.
    void RefreshPAccount();
    // Enter in Text6: the payment appended (or put in place of the chosen
    // row), stored and the balance shown.
    void enterPayment();
    void TXTBackColor();

    // ---- elements, by their names ----
    QLabel *Label8, *Label3, *Label6, *Label7, *Label2, *Label4, *Label5;
    LedgerField *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    QComboBox *Combo1;
    QLineEdit *Text7, *Text8, *Text9, *Text10, *Text11, *Text12;
    QTreeWidget *ListV1;
    ClickLabel *Label1;

protected:
    bool event(QEvent *event) override;

private:
    void createElements();
    void placeElements();
    void placeBesideMainWindow();
    void wireEvents();
    void setFocusOnActivation();

    // The six entry fields, and the "回车确认" box of each.
    std::array<LedgerField *, 6> fields() const;
    QLineEdit *confirmBox(const LedgerField *field) const;
    void fieldEntered(LedgerField *field);
    void amountEntered(LedgerField *amount, QLineEdit *date);
    void dateEntered(LedgerField *date, QLineEdit *note);
    void rowDoubleClicked(QTreeWidgetItem *item);
    void currencyChosen();
    void showPath();

    // A field whose text cannot be taken keeps the focus in red, with a beep.
    void refuse(LedgerField *field);
    void markTaken(LedgerField *field);
    // Shows the problem of an entry at its field; false when there is one.
    bool entryTaken(LedgerEntryError error, LedgerField *amount, LedgerField *date);
    // Stores `next` and shows it; on failure the table and the fields stay.
    bool store(const LedgerTable &next);
    void tell(const ClientNotice &notice);
    QString todayKey() const;

    Form1 &f;
    QString m_ledgerPath;
    LedgerTable m_table;
    std::optional<int> m_replaceRow;
};
