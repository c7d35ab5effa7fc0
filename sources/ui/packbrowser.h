#pragma once
// The layout and loading that the ground, sky and object pack browsers
// share. Each browser keeps the pack last loaded into it; a load either
// replaces all of it or, when it fails part-way, none of it.
#include "core/ui/smallwindow.h"
#include "sources/pack.h"

#include <array>
#include <string>

class QLabel;
class QListWidget;

namespace veldor {

class Thumbnail;

class PackBrowser : public SmallWindow {
    Q_OBJECT
public:
    PackBrowser(Session& session, Forms& forms, UiServices& services, const QString& caption, PackKind kind,
                QWidget* parent);

    PackKind kind() const { return kind_; }

    QListWidget* FileListBox1 = nullptr;
    Thumbnail *pic0 = nullptr, *pic1 = nullptr, *pic2 = nullptr, *pic3 = nullptr, *pic4 = nullptr;
    QLabel *name0 = nullptr, *name1 = nullptr, *name2 = nullptr, *name3 = nullptr, *name4 = nullptr;
    // The loaded pack's name, author and description.
    QLabel *packname = nullptr, *created = nullptr, *description = nullptr;

    // 1 once a pack has been loaded; the pictures do nothing before.
    int packLoaded = 0;
    // Full-size image names of the loaded pack, relative to the application
    // folder ("packs\<prefix>g0.bmp", ...); empty for an empty slot.
    std::array<std::string, kChoiceSlots> slotFile;
    // The captions of the loaded pack as the file gives them.
    std::array<std::string, kChoiceSlots> slotCaption;

    // Lists the pack folder's packs of this browser's kind; throws the input/output error when the
    // folder cannot be read, leaving the list as it was.
    void openPackFolder();
    // "Load Image Pack" of `picker`: lists the folder, shows this browser
    // and hides the picker; on an error the picker stays as it was.
    void openFrom(QWidget& picker);

    // Lists the pack folder with `fileName` selected, loads that pack and
    // shows this browser in front. Errors propagate as loadPack's do, the
    // loaded pack kept.
    void showPack(const std::string& fileName);

    // Loads the selected entry of the list; nothing when none is selected.
    void FileListBox1DblClick();
    // Loads the pack file `fileName` of the pack folder. A file whose first
    // line is not the identification line is ignored silently. Errors
    // (unreadable file, missing or bad thumbnail, bad tint line) propagate
    // and leave the browser exactly as it was.
    void loadPack(const std::string& fileName);

    // Chooses slot `slot` as a click on its picture does.
    void choose(int slot) { pick(slot); }

    void pic0Click() { pick(0); }
    void pic1Click() { pick(1); }
    void pic2Click() { pick(2); }
    void pic3Click() { pick(3); }
    void pic4Click() { pick(4); }
    void Button1Click() { close(); } // "Close"

    // The list reads the folder afresh at every showing, so a pack added
    // while the program runs appears.
    void FormShow();
    void refreshShown() override { FormShow(); }

    std::array<Thumbnail*, kChoiceSlots> pictures() const { return {pic0, pic1, pic2, pic3, pic4}; }
    std::array<QLabel*, kChoiceSlots> names() const { return {name0, name1, name2, name3, name4}; }

protected:
    void showEvent(QShowEvent* event) override;
    // What choosing slot `slot` of a loaded pack does.
    virtual void chooseSlot(int slot) = 0;
    // Called when a load succeeds, with what the file gave this browser, so
    // that a browser can keep more than the shared fields. Must not throw.
    virtual void keepSlots(const PackSlots&) {}

private:
    void pick(int slot);
    void fillList(const std::vector<std::string>& names, const std::string& select = {});
    // The second instruction names the pack folder where the user can find it.
    void showFolderInstruction();
    // The slot's thumbnail as shown: 100 x 100, stretched for objects,
    // from the top-left corner otherwise.
    QImage thumbnail(const std::string& prefix, int slot) const;

    PackKind kind_;
    QString folderShown_; // the folder the instruction was last fitted for
};

} // namespace veldor
