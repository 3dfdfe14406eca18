// The favourites and the official-website search of the law module.

#include "core/foundation/clock.h"
#include "core/lawdb/favorites.h"
#include "core/lawdb/gov_urls.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"

#include <QLineEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

// The favourites in the list, a row each, in file order.
void listFavorites(Form1 &f)
{
    RecordList &list = f.recordList();
    list.clearRows();
    list.keepRowOrder();
    for (const Favorite &favorite : readFavorites(f.files())) {
        list.addRow(favorite.title);
        f.RelevantRecords->setCaption(QString::number(list.rowCount()));
    }
    list.setTextColour(Qt::black);
}

} // namespace

void LawModule::favoritesClicked()
{
    FavoriteAdd2();
    f.RelevantRecords->setCaption(QString::number(f.recordList().rowCount()));
    f.recordList().setTextColour(QColor(0, 0, 255));
}

void LawModule::FavoriteAdd2()
{
    f.Text3->clear();
    if (!f.state.favoritesShown()) {
        FileResult stored;
        if (f.state.RowShown == 1) {
            bool added = false;
            stored = addFavorite(f.files(), f.state.LastItemText, f.clock().today(), &added);
            if (added)
                f.sounds.play(Sounds::Favorites);
        } else {
            stored = ensureFavoritesFile(f.files());
        }
        if (!stored)
            f.services().messageBoxes.critical(u"收藏夹未能存盘：\r\n"_s + stored.message(),
                                               u"错误"_s);
    }
    listFavorites(f);
    f.Label36->setText(u"回车退出收藏夹。"_s);
    f.Label36->show();
    f.sounds.pageSound();
    f.state.FavoritesShown = 1;
    f.state.RowShown = 0;
    f.Image12->setEnabled(true);
    f.Image12->showPicture(f.files(), u"objpics\\delete.jpg"_s);
    f.Progress->setCaption(u"1"_s);
    f.Label35->setCaption(u"1"_s);
    f.Text1->setFocus();
}

void LawModule::DeleteFavorite2()
{
    f.state.RowShown = 0;
    const QTreeWidgetItem *selected = f.List1->currentItem();
    if (f.state.ListFocus.toInt() == 0 || f.recordList().rowCount() == 0 || !selected) {
        f.RelevantRecords->setCaption(QString::number(f.recordList().rowCount()));
        f.Text1->setFocus();
        return;
    }
    int removed = 0;
    const FileResult stored = deleteFavorite(f.files(), selected->text(0), &removed);
    if (!stored)
        f.services().messageBoxes.critical(u"收藏夹未能存盘：\r\n"_s + stored.message(), u"错误"_s);
    f.sounds.killSound();
    listFavorites(f);
    f.state.ListFocus = 0;
    f.sounds.clickSound();
    f.RelevantRecords->setCaption(QString::number(f.recordList().rowCount()));
    f.Text1->setFocus();
}

void LawModule::ToURLGov()
{
    const GovUrlSearch search = ::ToURLGov(f.files(), f.paneText());
    MessageBoxes &boxes = f.services().messageBoxes;
    switch (search.outcome) {
    case GovUrlSearch::Outcome::NoDocument:
        return;
    case GovUrlSearch::Outcome::NoUrlTable:
        boxes.information(u"没有网址文件!"_s, u"提示"_s);
        return;
    case GovUrlSearch::Outcome::NoPlaces:
        boxes.information(u"没有地址文件!"_s, u"提示"_s);
        return;
    case GovUrlSearch::Outcome::NoSectors:
        boxes.information(u"没有部委文件!"_s, u"提示"_s);
        return;
    case GovUrlSearch::Outcome::NothingFound:
        boxes.information(u"官方网站没找到!"_s, u"智能搜索"_s);
        return;
    case GovUrlSearch::Outcome::Found:
        break;
    }
    const bool websiteShown = f.Text5->isVisibleTo(&f);
    for (qsizetype k = 0; k < search.sites.size(); ++k) {
        const MessageAnswer answer =
            boxes.question(u"搜索第 "_s + QString::number(k + 1) + u"个相关官方网站？"_s,
                           u"智能搜索相关的官方网站"_s);
        if (answer != MessageAnswer::Yes)
            return;
        f.services().shellOpen.open(search.sites[k].url, true);
        if (k > 0 || !websiteShown)
            f.sounds.emailSound();
    }
}
