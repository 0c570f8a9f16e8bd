#pragma once
// The host's document as rich text for its window.

class QTextDocument;

namespace wordhost {

class HostDocument;

// Replaces the text document's content with the paragraphs and runs.
void RenderDocument(const HostDocument& document, QTextDocument& text);

}  // namespace wordhost
