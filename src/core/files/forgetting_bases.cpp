#include "files/forgetting_bases.hpp"

#include "models/model_base_discard.hpp"

namespace orve {

namespace {

// The name record and clauses of an Advice, Graphics or Sound Base; its media
// folder stays known.
void forget_media_base(MediaBase& base) {
    base.clauses.clear();
    base.name.reset();
}

// Every table of the Model Base and the lists derived from its models, so that
// neither its models nor its declared facts and values are used any more.
void forget_model_base(AppState& state) {
    discard_model_base(state.kb.model, state.askables);
    state.kb.model = {};
}

} // namespace

void empty_before_creating(AppState& state, ManagedFile kind) {
    switch (kind) {
    case ManagedFile::ModelBase:
        forget_model_base(state);
        break;
    case ManagedFile::ConstraintBase:
        state.kb.constraint.constraints.clear();
        break;
    case ManagedFile::AdviceBase:
        forget_media_base(state.kb.advice);
        break;
    case ManagedFile::GraphicsBase:
        forget_media_base(state.kb.graphics);
        break;
    case ManagedFile::SoundBase:
        forget_media_base(state.kb.sound);
        break;
    default:
        break;
    }
}

void empty_rule_base(AppState& state) {
    state.kb.rule = {};
    state.askables = {};
}

void forget_loaded_base(AppState& state, ManagedFile kind) {
    switch (kind) {
    case ManagedFile::RuleBase:
        state.kb.rule = {};
        break;
    case ManagedFile::ConstraintBase:
        state.kb.constraint = {};
        break;
    case ManagedFile::ModelBase:
    case ManagedFile::AdviceBase:
    case ManagedFile::GraphicsBase:
    case ManagedFile::SoundBase:
        empty_before_creating(state, kind);
        break;
    default:
        break;
    }
}

} // namespace orve
