// The one instance of a window: created from its layout on first use (its
// load runs before anything else touches it), destroyed when unloaded,
// created afresh on the next use.
#pragma once

#include "platform/Form.h"

#include <QPointer>

#include <functional>

namespace platform {

template <typename T>
class FormSlot {
public:
    using Factory = std::function<T*()>;
    explicit FormSlot(Factory factory) : factory_(std::move(factory)) {}

    // Using the window or any of its controls creates it if needed. A load
    // that fails leaves no window behind, and the error goes on to the caller.
    T& operator()() {
        if (!isLoaded()) {
            T* form = factory_();
            try {
                form->Load();
            } catch (...) {
                delete form;
                throw;
            }
            form_ = form;
        }
        return *form_;
    }

    bool isLoaded() const { return form_ && !form_->isUnloaded(); }
    T* ifLoaded() const { return isLoaded() ? form_.data() : nullptr; }

    // Destroys the window at once (the program's end).
    void destroy() {
        if (form_) delete form_.data();
        form_.clear();
    }

private:
    Factory factory_;
    QPointer<T> form_;
};

}  // namespace platform
