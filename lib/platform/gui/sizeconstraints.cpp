#include "platform/gui/sizeconstraints.h"

#include <algorithm>

namespace vexo {

namespace {

// Sets one limit and pulls its partner along when they would contradict each other.
bool SetLimit(int& limit, int& partner, int value, bool isMax) {
    value = std::max(value, 0);
    if (value == limit)
        return false;
    limit = value;
    if (isMax && value > 0 && value < partner)
        partner = value;
    if (!isMax && partner > 0 && value > partner)
        partner = value;
    return true;
}

} // namespace

TSizeConstraints::TSizeConstraints(QObject* parent) : QObject(parent) {}

void TSizeConstraints::SetMaxHeight(int value) {
    if (SetLimit(maxHeight_, minHeight_, value, true))
        Change();
}

void TSizeConstraints::SetMaxWidth(int value) {
    if (SetLimit(maxWidth_, minWidth_, value, true))
        Change();
}

void TSizeConstraints::SetMinHeight(int value) {
    if (SetLimit(minHeight_, maxHeight_, value, false))
        Change();
}

void TSizeConstraints::SetMinWidth(int value) {
    if (SetLimit(minWidth_, maxWidth_, value, false))
        Change();
}

void TSizeConstraints::Assign(const TSizeConstraints& source) {
    if (&source == this)
        return;
    maxHeight_ = source.maxHeight_;
    maxWidth_ = source.maxWidth_;
    minHeight_ = source.minHeight_;
    minWidth_ = source.minWidth_;
    Change();
}

void TSizeConstraints::Change() {
    if (OnChange)
        OnChange(this);
}

} // namespace vexo
