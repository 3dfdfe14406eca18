#include "gui/directory/address_pickup.h"

#include "core/directory/web_pickup.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/twips.h"

#include <QLineEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

AddressPickup::AddressPickup(Form1 &form)
    : f(form)
{}

void AddressPickup::paneChanged(const QString &text)
{
    URLPickup(text);
    EmailPickup(text);
}

void AddressPickup::URLPickup(const QString &text)
{
    if (f.module() != 2)
        return;
    f.Text5->clear();
    const std::optional<QString> address = ::URLPickup(text);
    if (!address) {
        f.Text5->hide();
        return;
    }
    try {
        Twips::setGeometry(f.Text5, Twips::left(f.Text4), Twips::top(f.Text4) - 240,
                           Twips::width(f.Text4), Twips::height(f.Text4));
    } catch (const Twips::SizeError &) {
    }
    f.Text5->show();
    f.Text5->setText(websiteBoxText(*address));
    f.Text5->setCursorPosition(0);
}

void AddressPickup::EmailPickup(const QString &text)
{
    f.Text4->clear();
    const bool collect = f.module() == 1 || f.module() == 2;
    if (collect)
        f.Text4->show();
    f.Text4->setText(::EmailPickup(text, collect));
    f.Text4->setCursorPosition(0);
}

void AddressPickup::websiteBoxChanged()
{
    const QString text = f.Text5->text();
    if (!text.toLower().contains(u"http")) {
        f.Text10->hide();
        return;
    }
    // Filed under the title of the selected row; without one nothing is filed.
    if (const QTreeWidgetItem *row = f.List1->currentItem()) {
        bool added = false;
        (void)AddNewURL(f.files(), text, websiteName(row->text(0)), f.module(),
                        f.state.LastItemText, &added);
    }
    try {
        Twips::setLeft(f.Text10, Twips::left(f.Text5));
        // Right above the website box, two lines high.
        Twips::setTop(f.Text10, Twips::top(f.Text5) - Twips::height(f.Text10));
    } catch (const Twips::SizeError &) {
    }
    f.Text10->show();
    f.Text10->raise();
}

void AddressPickup::websiteBoxClicked()
{
    f.sounds.emailSound();
    WebSitesClick(f.Text5->text());
}

void AddressPickup::emailBoxClicked()
{
    f.services().shellOpen.open(u"mailto:"_s + f.Text4->text().mid(6), false);
    f.sounds.emailSound();
}

void AddressPickup::newMailClicked()
{
    f.services().shellOpen.open(u"mailto:"_s, false);
    f.sounds.emailSound();
}

void AddressPickup::WebSitesClick(const QString &text)
{
    const QString address = webAddressFrom(text);
    if (!address.isEmpty())
        f.services().shellOpen.open(address, true);
}
