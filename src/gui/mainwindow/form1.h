#pragma once

#include "core/foundation/drive_map.h"
#include "core/foundation/drives.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/keywords.h"
#include "gui/feedback/sounds.h"
#include "gui/mainwindow/elements.h"
#include "gui/mainwindow/main_window_state.h"
#include "gui/platform/platform_services.h"

#include <QWidget>

#include <array>
#include <memory>

class Clock;
class NoDateTexts;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QLineEdit;
class QListWidget;
class QTextEdit;
class QTreeWidget;
class QTimer;
class QTreeWidgetItem;

// Document positions of positions in the pane's Text (where each line break
// counts two characters). Positions asked in ascending order are mapped in
// one pass over the text.
class PanePositions
{
public:
    explicit PanePositions(const QString &paneText)
        : m_text(paneText)
    {}
    int operator()(qsizetype position);

private:
    const QString &m_text;
    qsizetype m_scanned = 0; // the breaks before m_scanned are counted
    qsizetype m_breaks = 0;
};

class AddressPickup;
class BackupPanel;
class ClientEditor;
class ClientModule;
class CalendarModule;
class DirectoryModule;
class HelpModule;
class HoverEffects;
class Layouts;
class LawModule;
class ModuleSwitch;
class RecordList;
class TextPane;

// The main window: owns the elements, the shared main-window state and the
// routing of events to the module classes. Its behaviour lives in the
// classes it creates: ModuleSwitch (modules and category buttons),
// RecordList (list, paging, counters), Layouts (text pane layouts, row
// click) and the module classes.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The undated law texts are loaded before the window is made (the
    // start-up screen does it) and outlive it.
    Form1(const DriveMap &drives, const Clock &clock, PlatformServices services,
          const NoDateTexts &noDateTexts, QWidget *parent = nullptr);
    ~Form1() override;

    const DriveMap &drives() const { return m_drives; }
    // The drives the drive list offers: those of the drive map as the system
    // sees them, unless others are set (tests set their own).
    const Drives &driveList() const { return m_driveList ? *m_driveList : m_systemDrives; }
    void setDriveList(const Drives *drives) { m_driveList = drives; }
    const RecordFile &files() const { return m_files; }
    const Clock &clock() const { return m_clock; }
    const PlatformServices &services() const { return m_services; }
    const NoDateTexts &noDateTexts() const { return m_noDateTexts; }

    // Loading of the main window (after creation, before it is shown).
    void load();
    // Activation: the first showing and every return to the main window.
    void activate();

    void Clearance();
    void ReSet();

    // The module number ("1", "2" or "3"), as lbPageNo holds it.
    int module() const { return lbPageNo->number(); }

    // The text pane's text with CR LF line breaks, and setting it.
    QString paneText() const;
    void setPaneText(const QString &text);
    void clearPane();
    // The document position of a position in the pane's Text, where each
    // line break counts two characters.
    static int documentPosition(const QString &paneText, qsizetype position);

    // The hover hint of the element under the pointer, shown at HintX, HintY
    // by the hint box while help is on (HelpModule::HintShow).
    void HintShow(const QString &topic);
    // The topic asked for last.
    const QString &hint() const { return m_hint; }

    ModuleSwitch &moduleSwitch() { return *m_moduleSwitch; }
    RecordList &recordList() { return *m_recordList; }
    Layouts &layouts() { return *m_layouts; }
    TextPane &textPane() { return *m_textPane; }
    LawModule &law() { return *m_law; }
    ClientModule &clients() { return *m_clients; }
    ClientEditor &clientEditor() { return *m_clientEditor; }
    BackupPanel &backup() { return *m_backup; }
    AddressPickup &pickup() { return *m_pickup; }
    HelpModule &help() { return *m_help; }
    HoverEffects &hover() { return *m_hover; }
    DirectoryModule &directory() { return *m_directory; }
    CalendarModule &calendar() { return *m_calendar; }

    MainWindowState state;
    // The keyword slots of Text1, shared by the searches of every module.
    KeyWords keyWords;
    Sounds sounds;

    // ---- elements, by their names ----
    // state holders
    StateLabel *lbPageNo;
    StateLabel *Progress;
    StateLabel *Label35;
    StateLabel *TotalRecords;
    StateLabel *RelevantRecords;
    StateLabel *Label30;
    StateLabel *Label40;
    StateLabel *label14;
    // top band
    PictureButton *Image13;                       // background picture
    PictureButton *Image5;                        // module icon
    QLabel *Label20;                              // module title
    std::array<ClickLabel *, 10> categoryButtons; // Label4 .. Label13
    QComboBox *Combo1;
    QDateEdit *DTPicker1;
    PictureButton *Image2, *Image3, *Image7, *Image9, *Image10, *Image4, *Image1;
    QLabel *Label2, *Label1, *Label21, *Label25, *Label27, *Label15, *Label3;
    // keyword row
    QLabel *Label16, *Label18, *Label17, *Label19;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QCheckBox *Check1;
    // page row
    PictureButton *Image14; // strip
    QLabel *Label22, *Label24, *Label26, *Label32;
    ClickLabel *Label33, *Label34;
    QLineEdit *txtProgress;
    PictureButton *Image12, *Image11, *Image19, *Image16, *Image15, *Image21;
    ClickLabel *Label36; // status line above the text pane
    ClickLabel *Label37; // the calendar line
    QLabel *Label31;
    // list and text pane
    QTreeWidget *List1;
    QTextEdit *RichTextBox1;
    QFrame *Picture1; // photo frame
    PictureButton *Image6;
    QLineEdit *Text4, *Text5; // the e-mail box and the website box
    QLabel *Text10;           // the note under a filed website
    QLineEdit *Text3;
    QLineEdit *Text6, *Text7, *Text11;
    QLabel *Text8, *Text9; // the editing hints
    QFrame *Frame1;        // the band behind the navigation buttons
    QFrame *Frame2;        // attachment panel
    QListWidget *File1;
    QLabel *Label23;
    PictureButton *Image8;  // opens the attachment panel
    ClickLabel *Label29;    // "添加"
    PictureButton *Image18; // deletes the selected file
    ClickLabel *Label38;    // "关闭"
    ClickLabel *lbACC;      // "帐单"
    QFrame *Picture3;       // busy panel, with Label30 inside
    QListWidget *ListErr;
    QComboBox *Drive1;
    QCheckBox *Check2;
    QCheckBox *Check3; // the help switch
    QTimer *Timer1;
    // under the list
    PictureButton *Image20;
    QLabel *Label28, *Label39, *lbVer;

    ClickLabel *categoryButton(int number) const { return categoryButtons[number - 1]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The pointer over the main window's empty area.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createElements();
    void placeElements();
    void wireEvents();
    void create();

    const DriveMap &m_drives;
    SystemDrives m_systemDrives;
    const Drives *m_driveList = nullptr;
    RecordFile m_files;
    const Clock &m_clock;
    PlatformServices m_services;
    const NoDateTexts &m_noDateTexts;
    QString m_hint;

    std::unique_ptr<ModuleSwitch> m_moduleSwitch;
    std::unique_ptr<RecordList> m_recordList;
    std::unique_ptr<Layouts> m_layouts;
    std::unique_ptr<TextPane> m_textPane;
    std::unique_ptr<LawModule> m_law;
    std::unique_ptr<ClientModule> m_clients;
    std::unique_ptr<ClientEditor> m_clientEditor;
    std::unique_ptr<BackupPanel> m_backup;
    std::unique_ptr<AddressPickup> m_pickup;
    HoverEffects *m_hover = nullptr; // a child object: it filters the elements' events
    std::unique_ptr<DirectoryModule> m_directory;
    std::unique_ptr<HelpModule> m_help;
    std::unique_ptr<CalendarModule> m_calendar;
};
