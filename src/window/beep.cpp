// SPDX-License-Identifier: MIT
// One canberra context for the program's life, made at the first beep.
#include "window/beep.h"

#include <QApplication>
#include <QtGlobal>
#include <canberra.h>
#include <memory>

namespace purzo {
namespace {

struct ContextDeleter {
    void operator()(ca_context* context) const { ca_context_destroy(context); }
};

ca_context* Context() {
    static const std::unique_ptr<ca_context, ContextDeleter> context([] {
        ca_context* c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS) {
            return static_cast<ca_context*>(nullptr);
        }
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, "Purzosimulation",
                                CA_PROP_APPLICATION_ID, "de.purzosimulation.purzo", nullptr);
        return c;
    }());
    return context.get();
}

} // namespace

void SoundWarningBeep() {
    if (qEnvironmentVariableIsSet(kSilentEnvironmentVariable)) {
        return;
    }
    ca_context* context = Context();
    if (!context || ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell-window-system",
                                    CA_PROP_EVENT_DESCRIPTION, "Werte außerhalb des Bereiches",
                                    nullptr) != CA_SUCCESS) {
        QApplication::beep();
    }
}

} // namespace purzo
