#include "shell/main_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <iostream>

#include "document/project_file.h"
#include "levelfile/errors.h"
#include "levelfile/level_file.h"
#include "view/editor_textures.h"

namespace rw {

namespace {

// Message boxes of the core, shown over the main window.
class MessageBoxes : public MessageSink {
  public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}
    void show_message(const std::string& text) override {
        QMessageBox::information(parent_, kMainCaption, QString::fromStdString(text));
    }
    bool confirm(const std::string& text) override {
        return QMessageBox::question(parent_, kMainCaption, QString::fromStdString(text)) ==
               QMessageBox::Yes;
    }

  private:
    QWidget* parent_;
};

// The steps of a base level load, for now on standard error.
class StepLog : public LogSink {
  public:
    void add_line(const std::string& line) override { std::cerr << line << '\n'; }
};

// A picture file turned into a 24-bit bitmap.
Bitmap bitmap_from_image(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    Bitmap bitmap(image.width(), image.height(), PixelFormat::k24);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            bitmap.set_pixel(x, y, {row[x * 3], row[x * 3 + 1], row[x * 3 + 2]});
    }
    return bitmap;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

TForm1::TForm1(const EditorOptions& options)
    : document_(std::make_unique<LevelDocument>()), editor_state_(std::make_unique<EditorState>()) {
    FormCreate();
    OpenFromOptions(options);
}

TForm1::~TForm1() {
    viewport_.ReleaseContext();
}

void TForm1::FormCreate() {
    setWindowTitle(kMainCaption);
    resize(800, 600);

    Panel1 = new TGLPanel;
    QWidget* container = QWidget::createWindowContainer(Panel1, this);
    container->setFocusPolicy(Qt::StrongFocus);
    container->setMinimumSize(64, 64);
    setCentralWidget(container);
    Panel1->resize(800, 560);
    Panel1->OnMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
        Panel1MouseDown(b, s, x, y);
    };
    Panel1->OnKeyDown = [this](QKeyEvent* e) { panel_key(e); };

    for (int i = 0; i < 2; ++i) {
        status_panels_[i] = new QLabel(this);
        status_panels_[i]->setFixedWidth(i == 0 ? 275 : 300);
        statusBar()->addWidget(status_panels_[i]);
    }
    create_menus();

    viewport_.ColorBits = colour_bits_;
    viewport_.AttachPanel(*Panel1);
    scene_.render_mode = kWireframe;
    viewport_.SetCamera(&camera_);
    viewport_.NoClickPick = true;  // Panel1MouseDown picks itself
    viewport_.SetTextureFilter(2);
    viewport_.DrawProc = [this] { scene_.Render(); };

    scene_.base_level = &base_level_;
    upload_solid_and_markers();

    ResetDocument(*document_, *editor_state_, scene_, true);
    scene_.document = document_.get();
    scene_.texture_table = &base_view_.texture_table;
    scene_.mesh_list = &base_view_.mesh_list;
    scene_.solid_texture = static_cast<int32_t>(kSolidTexture);
}

void TForm1::upload_solid_and_markers() {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("solid.bmp");
    QImage image(path);
    Bitmap solid = solid_picture();
    if (image.isNull()) {
        std::cerr << "solid.bmp not found beside the program; using the built-in picture\n";
    } else {
        solid = bitmap_from_image(image);
    }
    upload_editor_textures(viewport_, std::move(solid), colour_bits_);
}

void TForm1::create_menus() {
    QMenu* file = menuBar()->addMenu("&File");
    QAction* open_base = file->addAction("Open &Base", [this] { OpenBase1Click(); });
    open_base->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    file->addAction("&Exit", [this] { close(); });

    QMenu* view = menuBar()->addMenu("&View");
    auto toggle = [&](const char* caption, bool tr_scene::*flag, QKeySequence key = {}) {
        QAction* a = view->addAction(caption);
        a->setCheckable(true);
        a->setShortcut(key);
        connect(a, &QAction::toggled, this, [this, flag](bool on) {
            scene_.*flag = on;
            viewport_.Redraw();
        });
    };
    toggle("Hide &Floor", &tr_scene::hide_floor);
    toggle("Hide &Ceiling", &tr_scene::hide_ceiling);
    toggle("Hide &Static Meshes", &tr_scene::hide_static_meshes);
    toggle("Hide &Grids", &tr_scene::hide_grids);
    toggle("&Enable Perspective Correct", &tr_scene::perspective_correction,
           QKeySequence(Qt::Key_F2));
    view->addSeparator();
    auto* modes = new QActionGroup(this);
    const struct {
        const char* caption;
        uint8_t mode;
        Qt::Key key;
    } kModes[] = {{"Wireframe", kWireframe, Qt::Key_F5},
                  {"Solid", kSolid, Qt::Key_F6},
                  {"Textured", kTextured, Qt::Key_F7}};
    for (const auto& m : kModes) {
        QAction* a = view->addAction(m.caption, [this, mode = m.mode] { SetRenderMode(mode); });
        a->setCheckable(true);
        a->setChecked(m.mode == kWireframe);
        a->setShortcut(QKeySequence(m.key));
        modes->addAction(a);
    }
}

void TForm1::OpenFromOptions(const EditorOptions& options) {
    base_override_ = options.base_level;
    if (!options.project_path.empty()) {
        if (!OpenProject(options.project_path)) return;
    } else if (!base_override_.empty()) {
        editor_state_->base_level_file = base_override_;
        LoadBaseLevel();
    }
    const int count = document_->room_count;
    if (options.room >= 1 && options.room <= count) {
        document_->current_room = static_cast<uint8_t>(options.room);
        scene_.scene_room = options.room;
    }
    if (options.neighbour >= 1 && options.neighbour <= count)
        scene_.neighbour_room = options.neighbour;
    CenterCamera();
}

bool TForm1::OpenProject(const std::string& path) {
    MessageBoxes messages(this);
    try {
        WaitCursor wait;
        if (ReadProjectFile(*document_, path, &messages) != 0) return false;
    } catch (const FileError& e) {
        messages.show_message(e.what());
        return false;
    }
    editor_state_->project_path = path;
    AfterProjectLoad();
    return true;
}

void TForm1::AfterProjectLoad() {
    scene_.scene_room = document_->current_room;
    scene_.neighbour_room = 0;
    editor_state_->selected_row = editor_state_->selected_column = 0;
    CenterCamera();
    setWindowTitle(QString(kMainCaption) + " - " +
                   QString::fromStdString(editor_state_->project_path));
    // A base level named on the command line stands in for the project's own.
    const std::string wanted =
        trimmed(base_override_.empty() ? document_->base_level_path.str() : base_override_);
    if (!wanted.empty() && wanted != trimmed(editor_state_->base_level_file)) {
        editor_state_->base_level_file = wanted;
        LoadBaseLevel();
    }
}

int TForm1::LoadBaseLevel() {
    const std::string path = editor_state_->base_level_file;
    StepLog log;
    log.add_line("Loading Tr base file " + path + "...");
    WaitCursor wait;
    int result = 1;
    std::string refusal;
    try {
        result = load_level(base_level_, path, &refusal);
    } catch (const FileError& e) {
        refusal = e.what();
    }
    if (result != 0) {
        if (!refusal.empty()) std::cerr << refusal << '\n';
        QMessageBox::critical(this, kMainCaption, kOpenBaseFailedMessage);
        editor_state_->base_level_file.clear();
        viewport_.Redraw();
        return result;
    }
    base_level_.set_num_rooms(0);  // the editor keeps none of the base level's rooms
    TGLViewport* const viewports[] = {&viewport_};
    build_base_level_view(base_level_, base_view_, viewports, colour_bits_, &log);
    set_status(1, QString::fromStdString(path));
    viewport_.Redraw();
    return 0;
}

void TForm1::OpenBase1Click() {
    const QString file = QFileDialog::getOpenFileName(this, "Open &Base", {}, kBaseLevelFilter);
    if (file.isEmpty()) return;
    editor_state_->base_level_file = file.toStdString();
    LoadBaseLevel();
    document_->base_level_path.assign(file.toStdString());
}

void TForm1::CenterCamera() {
    scene_.CenterOnCurrentRoom();
    viewport_.SetBoundsFromFigure(scene_);
    viewport_.FitToBounds();
    viewport_.Redraw();
}

void TForm1::SetRenderMode(uint8_t mode) {
    scene_.render_mode = mode;
    viewport_.Redraw();
}

void TForm1::Panel1MouseDown(MouseButton button, ShiftState, int x, int y) {
    if (button != MouseButton::kLeft) return;
    // Pick where the button went down, even when no move was reported before it.
    viewport_.set_last_mouse(x, y);
    viewport_.Pick();
    show_picked_name(viewport_.PickedName);
}

void TForm1::show_picked_name(int32_t name) {
    QString text = QString("Picked %1").arg(name);
    const int room = scene_.scene_room;
    if (name >= 1 && name < kNeighbourPickName && room >= 1 && room <= document_->room_count) {
        const GridCell cell = SplitPickName(name, document_->room(room).rows);
        text += QString(" (Column:%1 Row:%2)").arg(cell.column).arg(cell.row);
    } else if (name == kNeighbourPickName) {
        text += " (neighbour room)";
    } else if (name > kOrnamentPickBase) {
        text += QString(" (ornament %1)").arg(name - kOrnamentPickBase);
    }
    set_status(0, text);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyDown(event->key(), event->modifiers())) QMainWindow::keyPressEvent(event);
}

void TForm1::panel_key(QKeyEvent* event) {
    if (FormKeyDown(event->key(), event->modifiers())) return;
    // The view is a window of its own inside the form, and a menu shortcut typed there does not
    // always reach the menu: trigger the menu item it names.
    const QKeySequence typed(event->keyCombination());
    for (QAction* action : findChildren<QAction*>()) {
        if (action->isEnabled() && action->shortcut() == typed) {
            action->trigger();
            return;
        }
    }
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    (void)modifiers;
    switch (key) {
        case Qt::Key_PageUp:
            viewport_.RotateBy(kRotateStep, 0, 0);
            break;
        case Qt::Key_PageDown:
            viewport_.RotateBy(-kRotateStep, 0, 0);
            break;
        case Qt::Key_Left:
            viewport_.RotateBy(0, kRotateStep, 0);
            break;
        case Qt::Key_Right:
            viewport_.RotateBy(0, -kRotateStep, 0);
            break;
        case Qt::Key_Home:
            CenterCamera();
            return true;
        case Qt::Key_Plus:  // the keypad's or the main keyboard's
            viewport_.ZoomBy(kZoomStep, kZoomStep, kZoomStep);
            break;
        case Qt::Key_Minus:
            viewport_.ZoomBy(-kZoomStep, -kZoomStep, -kZoomStep);
            break;
        default:
            return false;
    }
    viewport_.Redraw();
    return true;
}

QString TForm1::status_text(int panel) const {
    return status_panels_[panel]->text();
}

void TForm1::set_status(int panel, const QString& text) {
    status_panels_[panel]->setText(text);
}

}  // namespace rw
