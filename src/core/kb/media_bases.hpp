// The Advice, Graphics and Sound Bases of a knowledge-base set and the folders
// that hold their files.
#pragma once

#include "kb/knowledge_base.hpp"

#include <filesystem>

namespace orve {

// The table group of an Advice, Graphics or Sound Base (the Sound Base for the
// kinds without media).
MediaBase& media_base(KnowledgeBaseSet& kb, BaseKind kind);

// The folder above the media folders of a kind: "..\ADVICES\", "..\GRAPHICS\"
// or "..\SOUNDS\" with the platform's separators; empty for the kinds without
// media.
std::filesystem::path media_root(BaseKind kind);

} // namespace orve
