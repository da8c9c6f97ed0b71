#include "extract/TextRendering.h"

namespace lumbrant {

void NoteText::Append(std::string_view folded) {
    if (!folded.empty() && folded.front() == ' ' && (Line_.empty() || Line_.back() == ' ')) {
        folded.remove_prefix(1);
    }
    Line_ += folded;
}

void NoteText::EndLine() {
    while (!Line_.empty() && Line_.back() == ' ') {
        Line_.pop_back();
    }
    if (Line_.empty()) {
        return;
    }
    if (!ParagraphOpen_ && !Text_.empty()) {
        Text_ += kLineEnd;
    }
    Text_ += Line_;
    Text_ += kLineEnd;
    Line_.clear();
    ParagraphOpen_ = true;
}

void NoteText::EndParagraph() {
    EndLine();
    ParagraphOpen_ = false;
}

std::string NoteText::Take() {
    EndParagraph();
    return std::move(Text_);
}

} // namespace lumbrant
