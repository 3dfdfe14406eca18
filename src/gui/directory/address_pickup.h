#pragma once

#include <QString>

class Form1;

// The web and e-mail addresses of the shown text: the website box Text5
// (law module) with its note Text10, the e-mail box Text4 (law and client
// modules), and their hand-over to the desktop's browser and mail program.
class AddressPickup
{
public:
    explicit AddressPickup(Form1 &form);

    // The pane's text changed.
    void paneChanged(const QString &text);
    void URLPickup(const QString &text);
    // The e-mail addresses of the pane's text.
    void EmailPickup(const QString &text);

    // Text5 changed: a web address is filed in the directory and the note shown.
    void websiteBoxChanged();
    void websiteBoxClicked(); // Text5
    void emailBoxClicked();   // Text4
    void newMailClicked();    // Image4
    // Opens the part of the text from its first "http" in the browser.
    void WebSitesClick(const QString &text);

private:
    Form1 &f;
};
