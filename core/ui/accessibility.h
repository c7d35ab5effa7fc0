#pragma once
// What a screen reader is told about the windows beyond what Qt says of its
// own controls: the small windows are dialogs, so that their appearing is
// announced; a thumbnail is a button it can press; a thumbnail's caption is
// read once, as the thumbnail's name; the picture is an image described by
// what it shows.
#include <QLabel>
#include <QString>
#include <QStringList>

#include <string>

namespace veldor {

struct SceneDocument;

// Once per program, before any window is shown.
void installAccessibility();

// The caption under a thumbnail: its text is the thumbnail's name already,
// so it is hidden from screen readers.
class ThumbnailCaption : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// "Sky: Clear Blue. Ground: Hill Forests. Objects: Apple, Golf Ball.
// Effects: Anti-alias." The built-in pictures by their captions, those of
// image packs by the captions their packs (in the folder `packs`) give them,
// others by their file names; the objects drawn, behind the ground first, by
// their titles; the effects on the picture, as the effects window calls them.
QString describeScene(const SceneDocument& scene, const std::string& packs = {}, const QStringList& effects = {});

} // namespace veldor
