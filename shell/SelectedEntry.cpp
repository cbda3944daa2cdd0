#include "shell/SelectedEntry.h"

#include "document/Errors.h"
#include "shell/Unit1.h"

std::string_view SelectedEntry(const TForm1 &form) {
    const int index = form.ListBox1.ItemIndex;
    if (index < 0)
        throw ListIndexError("List index out of bounds (" + std::to_string(index) + ")");
    return form.ListBox1.Items.Item(static_cast<std::size_t>(index));
}
