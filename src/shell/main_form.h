#pragma once
// The editor's main window: the 3D view of the level document on Panel1, the status bar and
// the menus. It owns the objects that live for the whole run: the document and its editing
// state, the base level with what is built from it, the scene, the viewport and its camera.

#include <QMainWindow>
#include <memory>
#include <string>

#include "document/editor_state.h"
#include "document/level_document.h"
#include "levelfile/trlevel.h"
#include "shell/editor_options.h"
#include "view/base_level_view.h"
#include "view/gl_camera.h"
#include "view/gl_panel.h"
#include "view/gl_viewport.h"
#include "view/tr_scene.h"

class QAction;
class QLabel;
class QKeyEvent;

namespace rw {

inline constexpr const char* kMainCaption = "Roomforge";
inline constexpr const char* kOpenBaseFailedMessage = " ERROR...Unable to Open TR file! ";
inline constexpr const char* kBaseLevelFilter =
    "All Tomb Raider Files |*.phd;*.tub;*.tr2;*.tr4;*.trc";
inline constexpr int kRotateStep = 3;  // degrees per key press
inline constexpr double kZoomStep = 0.5;

class TForm1 : public QMainWindow {
  public:
    explicit TForm1(const EditorOptions& options = {});
    ~TForm1() override;

    // Opens what the command line names: the project, its (or the given) base level, the room.
    void OpenFromOptions(const EditorOptions& options);
    // Reads a project file into the document; false when it was refused.
    bool OpenProject(const std::string& path);
    void AfterProjectLoad();
    // Loads base_level_file and builds the textures, panels and meshes of the views.
    int LoadBaseLevel();

    // Handlers.
    void FormCreate();
    // True when the key was one of the view's keys.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void Panel1MouseDown(MouseButton button, ShiftState shift, int x, int y);
    void OpenBase1Click();
    void CenterCamera();  // the room manager's "Center Camera"
    void SetRenderMode(uint8_t mode);

    // The objects the window owns.
    LevelDocument& document() { return *document_; }
    EditorState& editor_state() { return *editor_state_; }
    Ttrlevel& base_level() { return base_level_; }
    BaseLevelView& base_view() { return base_view_; }
    tr_scene& scene() { return scene_; }
    TGLViewport& viewport() { return viewport_; }
    TGLCamera& camera() { return camera_; }
    TGLPanel& panel() { return *Panel1; }
    QString status_text(int panel) const;
    int colour_bits() const { return colour_bits_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void create_menus();
    void panel_key(QKeyEvent* event);
    void upload_solid_and_markers();
    void show_picked_name(int32_t name);
    void set_status(int panel, const QString& text);

    std::unique_ptr<LevelDocument> document_;
    std::unique_ptr<EditorState> editor_state_;
    Ttrlevel base_level_;
    BaseLevelView base_view_;
    tr_scene scene_;
    TGLViewport viewport_;
    TGLCamera camera_;
    TGLPanel* Panel1 = nullptr;  // owned by its window container
    QLabel* status_panels_[2] = {nullptr, nullptr};
    int colour_bits_ = 16;
    std::string base_override_;  // the base level the command line names
};

}  // namespace rw
