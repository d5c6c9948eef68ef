#pragma once

#include <string>
#include <utility>

#include "controls/Colour.h"

namespace vostrel::controls {

class Control;
class ListBox;

// The front end listens here to learn which models changed, so that after an
// event it only touches the widgets of those controls.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(const Control& control) = 0;
    virtual void listInserted(const ListBox& list, int index) = 0;
    virtual void listRemoved(const ListBox& list, int index) = 0;
    virtual void listChanged(const ListBox& list, int index) = 0;
    virtual void listCleared(const ListBox& list) = 0;
};

// Geometry in twips (1/1440 inch), relative to the control's container.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

// The properties every control of the main window shares. A control knows its
// name and index in its control array (-1 when it is not in one), never the
// handlers that work on it.
class Control {
public:
    explicit Control(std::string name = {}, int index = -1) : name_(std::move(name)), index_(index) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    void setIdentity(std::string name, int index = -1) {
        name_ = std::move(name);
        index_ = index;
    }
    void setObserver(ControlObserver* observer) { observer_ = observer; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string value) { assign(caption_, std::move(value)); }
    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(std::string value) { assign(tooltip_, std::move(value)); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool value) { assign(enabled_, value); }
    bool visible() const { return visible_; }
    void setVisible(bool value) { assign(visible_, value); }
    const Colour& backColour() const { return backColour_; }
    void setBackColour(Colour value) { assign(backColour_, value); }
    const Geometry& geometry() const { return geometry_; }
    void setGeometry(Geometry value) { assign(geometry_, value); }
    void move(int left, int top) { setGeometry({left, top, geometry_.width, geometry_.height}); }
    void setWidth(int width) { setGeometry({geometry_.left, geometry_.top, width, geometry_.height}); }
    void setHeight(int height) { setGeometry({geometry_.left, geometry_.top, geometry_.width, height}); }

protected:
    template <class T>
    void assign(T& field, T value) {
        if (field == value) return;
        field = std::move(value);
        notifyChanged();
    }
    void notifyChanged() {
        if (observer_) observer_->controlChanged(*this);
    }
    ControlObserver* observer() const { return observer_; }

private:
    std::string name_;
    int index_;
    ControlObserver* observer_ = nullptr;
    std::string caption_;
    std::string tooltip_;
    bool enabled_ = true;
    bool visible_ = true;
    Colour backColour_ = Colour::window();
    Geometry geometry_;
};

// Plain property holders: the kinds differ only in how the front end draws them.
class Button : public Control {
    using Control::Control;
};
class Label : public Control {
    using Control::Control;
};
class Frame : public Control {
    using Control::Control;
};
class PictureBox : public Control {
    using Control::Control;
};
// A picture that takes clicks: a command button of the button field or a place
// of the preview.
class Image : public Control {
public:
    using Control::Control;
    // The command button (1..114) whose picture this image shows; 0 for none.
    int picture() const { return picture_; }
    void setPicture(int buttonIndex) { assign(picture_, buttonIndex); }

private:
    int picture_ = 0;
};

}  // namespace vostrel::controls
