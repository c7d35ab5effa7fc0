#include "sources/ui/objectlib.h"

#include "core/scene.h"
#include "core/ui/Main.h"
#include "core/ui/pictureview.h"
#include "core/ui/picturenames.h"
#include "core/ui/thumbnail.h"
#include "platform/error.h"
#include "sources/ui/objectp.h"

#include <QAbstractListModel>
#include <QCollator>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <unordered_map>

namespace veldor {

QString shownCaption(const std::string& caption)
{
    return shownName(caption);
}

// The objects the grid shows: a category's, or those found. Pictures are
// made when the grid first paints them and kept until the library is read
// again, so that a category opens with the thumbnails in view only.
class LibraryModel : public QAbstractListModel {
public:
    LibraryModel(const ObjectLibrary& library, QObject* parent) : QAbstractListModel(parent), library_(library) {}

    // Before the library changes, since the rows point into it.
    void clear(std::string appDir)
    {
        beginResetModel();
        places_.clear();
        pictures_.clear();
        appDir_ = std::move(appDir);
        endResetModel();
    }

    void show(std::vector<LibraryPlace> places)
    {
        beginResetModel();
        places_ = std::move(places);
        endResetModel();
    }

    const LibraryObject& object(int row) const
    {
        const LibraryPlace& p = places_[std::size_t(row)];
        return library_.categories[p.category].objects[p.object];
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(places_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const LibraryObject& o = object(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return shownCaption(o.caption);
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return accessibleName(index.row());
        case Qt::DecorationRole:
            return picture(o.imageFile);
        default:
            return {};
        }
    }

private:
    // A caption-less object is still named, by its category and place.
    QString accessibleName(int row) const
    {
        const LibraryObject& o = object(row);
        if (!o.caption.empty())
            return shownCaption(o.caption);
        const LibraryPlace& p = places_[std::size_t(row)];
        return QStringLiteral("%1 %2").arg(shownCaption(library_.categories[p.category].name)).arg(p.object + 1);
    }

    QIcon picture(const std::string& imageFile) const
    {
        const auto kept = pictures_.find(imageFile);
        if (kept != pictures_.end())
            return kept->second;
        QIcon made;
        // A bitmap that cannot be read shows nothing here; placing it
        // reports why.
        try {
            const QPixmap shown = QPixmap::fromImage(toQImage(objectThumbnail(appDir_, imageFile, kThumbnailSize)));
            // The same when selected: the highlight around it is enough,
            // and a tinted picture would show colours the object has not.
            made.addPixmap(shown, QIcon::Normal);
            made.addPixmap(shown, QIcon::Selected);
        } catch (const Error&) {
        }
        pictures_.emplace(imageFile, made);
        return made;
    }

    const ObjectLibrary& library_;
    std::string appDir_;
    std::vector<LibraryPlace> places_;
    mutable std::unordered_map<std::string, QIcon> pictures_;
};

TObjectLibrary::TObjectLibrary(Session& session, Forms& forms, UiServices& services, QWidget* parent)
    : SmallWindow(session, forms, services, {tr("More Objects"), {700, 480}, TitleButtons::Close, true, false},
                  parent)
{
    setObjectName(QStringLiteral("ObjectLibrary"));
    // Created in reading order, which is their tab order.
    auto* findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setObjectName(QStringLiteral("findLabel"));
    findBox = new QLineEdit(this);
    findBox->setObjectName(QStringLiteral("findBox"));
    findBox->setPlaceholderText(tr("Type a name, like cat or bus"));
    findBox->setClearButtonEnabled(true);
    findBox->setAccessibleName(tr("Find an object by its name"));
    findLabel->setBuddy(findBox);

    categoryList = new QListWidget(this);
    categoryList->setObjectName(QStringLiteral("categoryList"));
    categoryList->setAccessibleName(tr("Categories"));
    categoryList->setFixedWidth(170);

    model_ = new LibraryModel(library_, this);
    objectGrid = new QListView(this);
    objectGrid->setObjectName(QStringLiteral("objectGrid"));
    objectGrid->setAccessibleName(tr("Objects"));
    objectGrid->setModel(model_);
    objectGrid->setViewMode(QListView::IconMode);
    objectGrid->setMovement(QListView::Static);
    objectGrid->setResizeMode(QListView::Adjust);
    objectGrid->setWrapping(true);
    objectGrid->setWordWrap(true);
    objectGrid->setUniformItemSizes(true);
    objectGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    objectGrid->setIconSize({kThumbnailSize, kThumbnailSize});
    // Room for a caption of two lines under each picture.
    objectGrid->setGridSize({kThumbnailSize + 16, kThumbnailSize + 2 * fontMetrics().height() + 12});

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("status"));
    status->setTextFormat(Qt::PlainText);
    cancel = new QPushButton(tr("Close"), this);
    cancel->setObjectName(QStringLiteral("cancel"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(findLabel, 0, 0, Qt::AlignRight);
    layout->addWidget(findBox, 0, 1, 1, 2);
    layout->addWidget(categoryList, 1, 0, 1, 2);
    layout->addWidget(objectGrid, 1, 2);
    layout->addWidget(status, 2, 0, 1, 3);
    layout->addWidget(cancel, 2, 2, Qt::AlignRight);
    layout->setColumnStretch(2, 1);

    connect(findBox, &QLineEdit::textChanged, this, &TObjectLibrary::findTextChanged);
    connect(findBox, &QLineEdit::returnPressed, this, &TObjectLibrary::chooseCurrent);
    connect(categoryList, &QListWidget::currentRowChanged, this, &TObjectLibrary::categoryChosen);
    // A click on the category that was current when finding began.
    connect(categoryList, &QListWidget::clicked, this, [this](const QModelIndex& index) { categoryChosen(index.row()); });
    connect(categoryList, &QListWidget::activated, this, &TObjectLibrary::focusGrid);
    // One click chooses, as a thumbnail of the pickers does; Return too.
    connect(objectGrid, &QListView::clicked, this, &TObjectLibrary::choose);
    connect(objectGrid, &QListView::activated, this, &TObjectLibrary::choose);
    connect(cancel, &QPushButton::clicked, this, &TObjectLibrary::close);
}

void TObjectLibrary::openFrom(QWidget& picker)
{
    ObjectLibrary fresh = readObjectLibrary(scene.appDir);
    // Found by the name the user reads as well as by the one the pack gives.
    for (LibraryCategory& category : fresh.categories)
        for (LibraryObject& object : category.objects)
            if (const QString shown = shownCaption(object.caption); shown != bytesToText(object.caption))
                object.folded = foldForFinding(shown.toStdString()) + ' ' + object.folded;
    // Categories in the order of the names the user reads, "Other Objects"
    // first as before.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(fresh.categories.begin(), fresh.categories.end(),
                     [&](const LibraryCategory& a, const LibraryCategory& b) {
                         if (a.name.empty() || b.name.empty())
                             return a.name.empty() && !b.name.empty();
                         return collator.compare(shownCaption(a.name), shownCaption(b.name)) < 0;
                     });
    // The category shown before stays shown, wherever it now is.
    const QListWidgetItem* current = categoryList->currentItem();
    const QString shownBefore = current ? current->text() : QString();

    model_->clear(scene.appDir);
    library_ = std::move(fresh);
    {
        const QSignalBlocker quiet(categoryList);
        categoryList->clear();
        for (const LibraryCategory& category : library_.categories)
            categoryList->addItem(category.name.empty() ? tr("Other Objects") : shownCaption(category.name));
    }
    const QList<QListWidgetItem*> again = categoryList->findItems(shownBefore, Qt::MatchExactly);
    const int row = again.isEmpty() || shownBefore.isEmpty() ? 0 : categoryList->row(again.front());
    if (findBox->text().trimmed().isEmpty()) {
        categoryList->setCurrentRow(row);
    } else {
        const QSignalBlocker quiet(categoryList);
        categoryList->setCurrentRow(row, QItemSelectionModel::NoUpdate);
        findTextChanged(findBox->text());
    }
    showStatus();

    showInFront(*this);
    picker.hide();
    findBox->setFocus();
    findBox->selectAll();
}

void TObjectLibrary::categoryChosen(int row)
{
    if (row < 0 || std::size_t(row) >= library_.categories.size())
        return;
    if (!findBox->text().trimmed().isEmpty()) {
        const QSignalBlocker quiet(findBox);
        findBox->clear();
    }
    std::vector<LibraryPlace> places;
    for (std::size_t o = 0; o < library_.categories[std::size_t(row)].objects.size(); ++o)
        places.push_back({std::size_t(row), o});
    model_->show(std::move(places));
    showStatus();
}

void TObjectLibrary::findTextChanged(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        // Back to the category the finding started from.
        const int row = categoryList->currentRow();
        categoryList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        categoryChosen(row);
        return;
    }
    categoryList->clearSelection();
    model_->show(findObjects(library_, text.toUtf8().toStdString()));
    // The best match is what Return chooses.
    if (model_->rowCount() > 0)
        objectGrid->setCurrentIndex(model_->index(0));
    showStatus();
}

void TObjectLibrary::showStatus()
{
    const int count = model_->rowCount();
    const QString text = findBox->text().trimmed();
    if (library_.categories.empty())
        status->setText(tr("No image pack with objects is in the packs folder."));
    else if (!text.isEmpty() && count == 0)
        status->setText(tr("No object is called \u201c%1\u201d.").arg(text));
    else if (count == 1)
        status->setText(tr("1 object"));
    else
        status->setText(tr("%1 objects").arg(count));
}

void TObjectLibrary::choose(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const LibraryObject& object = model_->object(index.row());
    if (!armPackObject(scene, object.imageFile, object.caption))
        return forms.MainForm->refuse("Object");
    close();
    forms.MainForm->placementArmed();
}

void TObjectLibrary::chooseCurrent()
{
    // Only what was found: Return in an empty box must not place the first
    // object of the category by surprise.
    if (!findBox->text().trimmed().isEmpty())
        choose(objectGrid->currentIndex());
}

void TObjectLibrary::focusGrid()
{
    if (model_->rowCount() == 0)
        return;
    if (!objectGrid->currentIndex().isValid())
        objectGrid->setCurrentIndex(model_->index(0));
    objectGrid->setFocus(Qt::OtherFocusReason);
}

void TObjectLibrary::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == categoryList)
            focusGrid();
        return;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        // From the find box down into what it found.
        if (focusWidget() == findBox) {
            focusGrid();
            return;
        }
        break;
    default:
        break;
    }
    SmallWindow::keyPressEvent(event);
}

} // namespace veldor
