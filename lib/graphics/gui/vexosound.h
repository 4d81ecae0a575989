#pragma once
// A non-visual component that plays wave sounds from files, from memory or from the program's
// resources, synchronously or asynchronously, and reports each sound it started through
// OnSound. The process plays one sound at a time (waveplayer.h): a new sound replaces the one
// playing, and a component's destruction stops the sound it started.

#include <QByteArray>
#include <QObject>
#include <QString>

#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "vexo/graphics_gui_export.h"

namespace vexo {

// Wave file names of published properties elsewhere (a button's ClickSound).
using TWaveFileName = QString;

// The folder in which PlayWave looks up names without a folder part: relative to the
// program's folder unless it starts with "/". "Sounds/" at start.
VEXO_GRAPHICS_GUI_EXPORT extern QString DefSoundsDir;

// Resource string: the error text of a wave resource that could not be played.
inline const QString vxToolsResourceWavError = QStringLiteral("Error play of WAV-resource!");

// The resource folder of the program's own wave resources (the ".qrc" prefix "/waves").
inline const QString ProgramWaveResources = QStringLiteral(":/waves");

class VEXO_GRAPHICS_GUI_EXPORT TvexoSound : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Async READ Async WRITE SetAsync)
    Q_CLASSINFO("Default.Enabled", "True")
    Q_CLASSINFO("Default.Async", "False")

public:
    Q_INVOKABLE explicit TvexoSound(vexo::TComponent* owner = nullptr);
    // Stops the sound this component started, if it still plays.
    ~TvexoSound() override;

    // When false, nothing is played but from memory.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Play routines return at once instead of at the end of the sound.
    bool Async() const { return async_; }
    void SetAsync(bool async) { async_ = async; }

    // Called after each sound started by the file and resource routines.
    TNotifyEvent OnSound;

    // A wave file, or a system sound name ("SystemAsterisk", see graphics/soundtheme.h), played
    // synchronously / asynchronously; then OnSound. False when disabled (no OnSound) or when
    // the sound could not be played.
    bool PlaySync(const QString& FileName);
    bool PlayAsync(const QString& FileName);
    // A wave file by name: a name without folder is looked up in DefSoundsDir, ".wav" is added
    // to a name without extension. False without OnSound when disabled or no such file exists;
    // otherwise it is played as Async says, then OnSound.
    bool PlayWave(const QString& FileName);
    // A whole wave file image, as Async says, whether Enabled or not and without OnSound. The
    // data is copied for an asynchronous play: the caller may free it on return.
    bool PlayWaveFromMemory(const QByteArray& Data);
    // The wave resource ResName of a module's resources (Instance: the resource folder its
    // module's waves are compiled in under), as Async says, then OnSound. False without a
    // message when disabled or the resource does not exist, or when no sound device plays it;
    // a resource that cannot be read or is no wave file shows the error box with the
    // component's Name and vxToolsResourceWavError, and gives false.
    bool PlayResourceWaveInstance(const QString& Instance, const QString& ResName);
    // The same for the program's own resources (ProgramWaveResources).
    bool PlayResourceWave(const QString& ResName);
    // The sound a control names in a property: "#name" is the program's wave resource name,
    // anything else a wave file as PlayWave takes it.
    bool PlayNamedWave(const QString& Name);

private:
    bool PlayName(const QString& name, bool async);
    void DoSound();
    void ShowResourceError() const;

    bool enabled_ = true;
    bool async_ = false;
};

// The first component owned by owner (in ownership order) that is a TvexoSound; none for none.
VEXO_GRAPHICS_GUI_EXPORT TvexoSound* FindSound(const TComponent* owner);

} // namespace vexo
