#include "platform/qt/qt_toolkit.h"

#include "platform/qt/catalogue_window.h"
#include "platform/qt/control_look.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/limited_edits.h"
#include "platform/qt/window_snapshot.h"
#include "platform/tab_order.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <cassert>

namespace kedravo::platform::qt {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The interface separates lines with CR LF; Qt's text widgets with "\n".
QString fromCrLf(const std::string& text) {
    return fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string toCrLf(QString text) {
    return text.replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

} // namespace

QtToolkit::QtToolkit() = default;
QtToolkit::~QtToolkit() = default;

void QtToolkit::create(const Catalogue& catalogue, EventSink& events) {
    catalogue_ = catalogue;
    unmade_.create(catalogue, events);
    style_ = std::make_unique<CatalogueStyle>();
    for (const WindowDef& def : catalogue.windows) {
        windows_.push_back(std::make_unique<CatalogueWindow>(
            def, events, [this](int button) { widget<QAbstractButton>(button).click(); }));
        windows_.back()->setStyle(style_.get());
        // Controls made with the window's default face would load it only to drop it for their own.
        windows_.back()->setFont(controlFont(FontFace::Proportional, 14));
        builders_.emplace_back(*windows_.back(), *style_, events);
    }
    controls_.assign(catalogue.controls.size(), nullptr);
    unmadeFonts_.assign(catalogue.controls.size(), std::nullopt);
    for (const auto& window : windows_)
        if (window->def().visibleAtStart)
            show(window->def().id);
}

bool QtToolkit::isMade(int control) const {
    return controls_.at(static_cast<std::size_t>(control)) != nullptr;
}

void QtToolkit::makeControls(int window) {
    std::vector<const ControlDef*> made;
    for (const ControlDef& def : catalogue_.controls)
        if (def.window == window && !isMade(def.id)) {
            controls_[static_cast<std::size_t>(def.id)] = builders_.at(static_cast<std::size_t>(window)).build(def);
            made.push_back(&def);
        }
    if (made.empty())
        return;
    setTabOrder(tabOrder(catalogue_, window));
    for (const ControlDef* def : made)
        takeOver(*def);
}

// What the program set on a control before it was made; a user cannot have touched a control never shown.
void QtToolkit::takeOver(const ControlDef& def) {
    const int id = def.id;
    if (const auto& font = unmadeFonts_[static_cast<std::size_t>(id)])
        setFont(id, font->first, font->second);
    if (def.kind == ControlKind::ListBox || def.kind == ControlKind::DropDown) {
        for (int position = 0; position < unmade_.itemCount(id); ++position)
            addItem(id, unmade_.item(id, position));
        if (unmade_.selected(id) >= 0)
            setSelected(id, unmade_.selected(id));
    } else if (const std::string text = unmade_.text(id); text != def.caption) {
        setText(id, text);
    }
    if ((def.kind == ControlKind::RadioButton || def.kind == ControlKind::CheckBox) &&
        unmade_.isChecked(id) != ((def.style & CHECKED) != 0))
        setChecked(id, unmade_.isChecked(id));
    if (!unmade_.isEnabled(id))
        setEnabled(id, false);
    if (unmade_.focused() == id)
        setFocus(id);
}

void QtToolkit::setTabOrder(const std::vector<int>& order) {
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(controls_.at(static_cast<std::size_t>(order[i - 1])),
                             controls_.at(static_cast<std::size_t>(order[i])));
}

QWidget& QtToolkit::windowWidget(int window) {
    return *windows_.at(static_cast<std::size_t>(window));
}

QImage QtToolkit::picture(int window) {
    return windowPicture(*windows_.at(static_cast<std::size_t>(window)));
}

const ControlDef& QtToolkit::defOf(int control) const {
    return catalogue_.controls[static_cast<std::size_t>(control)];
}
bool QtToolkit::isDropDown(int control) const {
    return defOf(control).kind == ControlKind::DropDown;
}

CatalogueWindow& QtToolkit::windowOf(int control) {
    return *windows_.at(static_cast<std::size_t>(defOf(control).window));
}

void QtToolkit::setCaption(int window, const std::string& caption) {
    windowWidget(window).setWindowTitle(fromUtf8(caption));
}

void QtToolkit::show(int window) {
    makeControls(window);
    windows_.at(static_cast<std::size_t>(window))->showOnScreen();
}
void QtToolkit::hide(int window) {
    windowWidget(window).hide();
}
bool QtToolkit::isVisible(int window) {
    return windowWidget(window).isVisible();
}
void QtToolkit::makeTopmost(int window) {
    windows_.at(static_cast<std::size_t>(window))->makeTopmost();
}
bool QtToolkit::isTopmost(int window) {
    return windows_.at(static_cast<std::size_t>(window))->isTopmost();
}

void QtToolkit::activate(int window) {
    QWidget& widget = windowWidget(window);
    widget.raise();
    widget.activateWindow();
}

Position QtToolkit::position(int window) {
    const QPoint at = windowWidget(window).pos();
    return {at.x(), at.y()};
}

void QtToolkit::move(int window, Position position) {
    windows_.at(static_cast<std::size_t>(window))->moveTo({position.left, position.top});
}

void QtToolkit::setMenu(int window, const std::vector<MenuItem>& items) {
    windows_.at(static_cast<std::size_t>(window))->setMenu(items);
}

std::vector<MenuItem> QtToolkit::menu(int window) {
    return windows_.at(static_cast<std::size_t>(window))->menu();
}

void QtToolkit::setFocus(int control) {
    if (!isMade(control))
        return unmade_.setFocus(control);
    widget<QWidget>(control).setFocus(Qt::OtherFocusReason);
}

void QtToolkit::setEnabled(int control, bool enabled) {
    if (!isMade(control))
        return unmade_.setEnabled(control, enabled);
    widget<QWidget>(control).setEnabled(enabled);
}
bool QtToolkit::isEnabled(int control) {
    if (!isMade(control))
        return unmade_.isEnabled(control);
    return widget<QWidget>(control).isEnabled();
}

void QtToolkit::setFont(int control, FontFace face, int size) {
    if (!isMade(control)) {
        const ControlDef& def = defOf(control);
        auto& font = unmadeFonts_[static_cast<std::size_t>(control)];
        font = face == def.face && size == def.fontSize ? std::nullopt : std::optional(std::pair(face, size));
        return;
    }
    if (isLineEdit(defOf(control)))
        widget<LimitedLineEdit>(control).setCatalogueFont(controlFont(face, size));
    else
        widget<QWidget>(control).setFont(controlFont(face, size));
}

void QtToolkit::setText(int control, const std::string& text) {
    if (!isMade(control))
        return unmade_.setText(control, text);
    switch (defOf(control).kind) {
    case ControlKind::EditBox:
        if (isLineEdit(defOf(control)))
            widget<LimitedLineEdit>(control).setProgramText(fromUtf8(text));
        else
            widget<LimitedTextEdit>(control).setProgramText(fromCrLf(text));
        break;
    case ControlKind::StaticText:
        widget<QLabel>(control).setText(fromUtf8(text));
        break;
    case ControlKind::GroupBox:
        widget<QGroupBox>(control).setTitle(fromUtf8(text));
        break;
    default:
        widget<QAbstractButton>(control).setText(fromUtf8(text));
    }
}

std::string QtToolkit::text(int control) {
    if (!isMade(control))
        return unmade_.text(control);
    switch (defOf(control).kind) {
    case ControlKind::EditBox:
        return isLineEdit(defOf(control)) ? widget<QLineEdit>(control).text().toStdString()
                                          : toCrLf(widget<QPlainTextEdit>(control).toPlainText());
    case ControlKind::StaticText:
        return widget<QLabel>(control).text().toStdString();
    case ControlKind::GroupBox:
        return widget<QGroupBox>(control).title().toStdString();
    default:
        return widget<QAbstractButton>(control).text().toStdString();
    }
}

int QtToolkit::lineCount(int control) {
    if (!isMade(control))
        return unmade_.lineCount(control);
    return isTextEdit(defOf(control)) ? widget<QPlainTextEdit>(control).document()->blockCount() : 1;
}

std::string QtToolkit::line(int control, int n) {
    if (!isMade(control))
        return unmade_.line(control, n);
    if (isTextEdit(defOf(control)))
        return widget<QPlainTextEdit>(control).document()->findBlockByNumber(n - 1).text().toStdString();
    return n == 1 ? widget<QLineEdit>(control).text().toStdString() : std::string();
}

void QtToolkit::scrollToEnd(int control) {
    if (!isMade(control))
        return unmade_.scrollToEnd(control);
    if (isTextEdit(defOf(control))) {
        QScrollBar& bar = *widget<QPlainTextEdit>(control).verticalScrollBar();
        bar.setValue(bar.maximum());
    } else {
        widget<QLineEdit>(control).end(false);
    }
}

void QtToolkit::clear(int control) {
    if (!isMade(control))
        return unmade_.clear(control);
    if (isDropDown(control))
        widget<QComboBox>(control).clear();
    else
        widget<QListWidget>(control).clear();
}

// Adding to an empty drop-down list would select the new item; the system's lists keep "no selection".
void QtToolkit::addItem(int control, const std::string& text) {
    if (!isMade(control))
        return unmade_.addItem(control, text);
    if (isDropDown(control)) {
        auto& combo = widget<QComboBox>(control);
        const int before = combo.currentIndex();
        combo.addItem(fromUtf8(text));
        combo.setCurrentIndex(before);
    } else {
        widget<QListWidget>(control).addItem(fromUtf8(text));
    }
}

int QtToolkit::itemCount(int control) {
    if (!isMade(control))
        return unmade_.itemCount(control);
    if (isDropDown(control))
        return widget<QComboBox>(control).count();
    return widget<QListWidget>(control).count();
}

std::string QtToolkit::item(int control, int position) {
    if (!isMade(control))
        return unmade_.item(control, position);
    if (isDropDown(control))
        return widget<QComboBox>(control).itemText(position).toStdString();
    const QListWidgetItem* row = widget<QListWidget>(control).item(position);
    return row ? row->text().toStdString() : std::string();
}

int QtToolkit::selected(int control) {
    if (!isMade(control))
        return unmade_.selected(control);
    if (isDropDown(control))
        return widget<QComboBox>(control).currentIndex();
    auto& list = widget<QListWidget>(control);
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            return row;
    return -1;
}

void QtToolkit::setSelected(int control, int position) {
    if (!isMade(control))
        return unmade_.setSelected(control, position);
    if (isDropDown(control)) {
        widget<QComboBox>(control).setCurrentIndex(position);
        return;
    }
    auto& list = widget<QListWidget>(control);
    list.clearSelection();
    if (QListWidgetItem* row = list.item(position)) {
        list.setCurrentItem(row, QItemSelectionModel::ClearAndSelect);
        list.scrollToItem(row);
    }
}

bool QtToolkit::isRowSelected(int control, int row) {
    if (!isMade(control))
        return unmade_.isRowSelected(control, row);
    if (isDropDown(control))
        return row >= 0 && widget<QComboBox>(control).currentIndex() == row;
    const QListWidgetItem* item = widget<QListWidget>(control).item(row);
    return item && item->isSelected();
}

// An exclusive group does not let its checked button be cleared, so the group is opened for that moment.
void QtToolkit::setChecked(int control, bool checked) {
    if (!isMade(control))
        return unmade_.setChecked(control, checked);
    auto& button = widget<QAbstractButton>(control);
    QButtonGroup* group = checked ? nullptr : button.group();
    if (group)
        group->setExclusive(false);
    button.setChecked(checked);
    if (group)
        group->setExclusive(true);
}

bool QtToolkit::isChecked(int control) {
    if (!isMade(control))
        return unmade_.isChecked(control);
    return widget<QAbstractButton>(control).isChecked();
}

} // namespace kedravo::platform::qt
