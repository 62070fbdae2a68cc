#pragma once
// The main window's messages, character for character. Users, manuals and transcripts
// know them as they stand: tests pin them, and none is to be "corrected". (The controls'
// captions are the table of main_window_model.cpp, held to the same rule.)

namespace vaporel {

// The title of every refusal of a field check or of Calculate (the message is the refusal's).
inline constexpr const char* kRefusalTitle = "Error";

// The "Properties" menu command: the reference document, and its failure.
inline constexpr const char* kReferenceDocument = "For Soft.doc";
inline constexpr const char* kReferenceDocumentTitle = "Error";
inline constexpr const char* kReferenceDocumentMissing = "The reference document For Soft.doc could not be opened.";

}  // namespace vaporel
