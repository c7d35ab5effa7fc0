#pragma once
// "More Objects": every object of the installed packs, by category, with a
// box that finds objects by caption as the user types. Choosing one arms
// its placement as the object browser does. Opened from the object picker.
#include "core/ui/smallwindow.h"
#include "sources/library.h"

#include <string>

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QModelIndex;
class QPushButton;

namespace veldor {

class LibraryModel;

// How the library shows a caption or a category name from a pack: every
// such text goes through here.
QString shownCaption(const std::string& caption);

class TObjectLibrary : public SmallWindow {
    Q_OBJECT
public:
    TObjectLibrary(Session& session, Forms& forms, UiServices& services, QWidget* parent = nullptr);

    QLineEdit* findBox = nullptr;
    QListWidget* categoryList = nullptr;
    QListView* objectGrid = nullptr;
    QLabel* status = nullptr; // how many were found, or that none were
    QPushButton* cancel = nullptr;

    // Reads the pack folder afresh, shows this window with the find box
    // ready for typing and hides `picker`. Throws the input/output error
    // when the folder cannot be read, the picker left up.
    void openFrom(QWidget& picker);

    const ObjectLibrary& library() const { return library_; }

protected:
    // Return chooses in the grid and the find box, and goes from the
    // category list to its objects; it never closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void categoryChosen(int row);
    void findTextChanged(const QString& text);
    void choose(const QModelIndex& index);
    void chooseCurrent();
    void focusGrid();
    void showStatus();

    ObjectLibrary library_;
    LibraryModel* model_ = nullptr;
};

} // namespace veldor
