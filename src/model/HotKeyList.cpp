#include "model/HotKeyList.h"

HotKeyList::HotKeyList(const HotKeyList* source) {
    if (!source)
        return;
    for (int i = 0; i < source->count(); ++i)
        addOrReplace(new HotKey(source->at(i)));
}

void HotKeyList::addOrReplace(HotKey* item) {
    if (!item)
        return;
    bool empty = item->isEmptyDefinition();
    int existing = indexOf(item);
    if (existing >= 0)
        destroyAt(existing);
    if (empty)
        delete item;
    else
        addItem(item);
}

int HotKeyList::indexOf(char letter, bool ctrl, bool alt, bool shift) const {
    for (int i = 0; i < count(); ++i) {
        const HotKey* item = at(i);
        if (item->keyLetter() == letter && item->ctrl() == ctrl && item->alt() == alt &&
            item->shift() == shift)
            return i;
    }
    return -1;
}

HotKey* HotKeyList::find(char letter, bool ctrl, bool alt, bool shift) const {
    int index = indexOf(letter, ctrl, alt, shift);
    return index < 0 ? nullptr : at(index);
}

int HotKeyList::indexOf(const HotKey* like) const {
    return like ? indexOf(like->keyLetter(), like->ctrl(), like->alt(), like->shift()) : -1;
}

HotKey* HotKeyList::find(const HotKey* like) const {
    int index = indexOf(like);
    return index < 0 ? nullptr : at(index);
}

int HotKeyList::createItem() {
    return addItem(new HotKey());
}
