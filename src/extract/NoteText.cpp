#include "extract/BoilerplatePhrases.h"
#include "extract/TextRendering.h"

namespace lumbrant {

void NoteText::Append(std::string_view folded, bool heading) {
    if (!folded.empty() && folded.front() == ' ' && (Line_.empty() || Line_.back() == ' ')) {
        folded.remove_prefix(1);
    }
    if (Line_.empty()) {
        LineIsHeading_ = heading;
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
    if (!ParagraphOpen_) {
        Paragraphs_.push_back({{}, LineIsHeading_});
        ParagraphOpen_ = true;
    }
    Paragraph& paragraph = Paragraphs_.back();
    paragraph.Lines += Line_;
    paragraph.Lines += kLineEnd;
    paragraph.Heading = paragraph.Heading && LineIsHeading_;
    Line_.clear();
}

void NoteText::EndParagraph() {
    EndLine();
    ParagraphOpen_ = false;
}

std::string NoteText::Take() {
    EndParagraph();
    while (!Paragraphs_.empty() && Paragraphs_.back().Heading) {
        Paragraphs_.pop_back();
    }
    std::string text;
    for (std::size_t index = 0; index < Paragraphs_.size(); ++index) {
        if (IsBoilerplateParagraph(Paragraphs_[index].Lines)) {
            continue;
        }
        if (!text.empty()) {
            text += kLineEnd;
        }
        text += Paragraphs_[index].Lines;
    }
    Paragraphs_.clear();
    return text;
}

} // namespace lumbrant
