#include "model/PointerList.h"

#include "model/EListError.h"

#include <string>

void* PointerList::get(int index) const {
    if (index < 0 || index >= count())
        error(index);
    return items_[static_cast<size_t>(index)];
}

int PointerList::add(void* item) {
    items_.push_back(item);
    return count() - 1;
}

void PointerList::remove(int index) {
    if (index < 0 || index >= count())
        error(index);
    items_.erase(items_.begin() + index);
}

void PointerList::error(int index) const {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}
