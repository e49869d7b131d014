#include "kb/media_bases.hpp"

#include "kb/file_lookup.hpp"

namespace orve {

MediaBase& media_base(KnowledgeBaseSet& kb, BaseKind kind) {
    if (kind == BaseKind::Advice) {
        return kb.advice;
    }
    return kind == BaseKind::Graphics ? kb.graphics : kb.sound;
}

std::filesystem::path media_root(BaseKind kind) {
    switch (kind) {
    case BaseKind::Advice:
        return platform_path("..\\ADVICES\\");
    case BaseKind::Graphics:
        return platform_path("..\\GRAPHICS\\");
    case BaseKind::Sound:
        return platform_path("..\\SOUNDS\\");
    default:
        return {};
    }
}

} // namespace orve
