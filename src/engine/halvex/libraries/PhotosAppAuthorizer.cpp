#include "engine/halvex/libraries/PhotosAppAuthorizer.h"

namespace halvex {

namespace {

PhotosAppAuthorizer::SelectionSource& selectionSource()
{
    static PhotosAppAuthorizer::SelectionSource source;
    return source;
}

} // namespace

void PhotosAppAuthorizer::setSelectionSource(SelectionSource source)
{
    selectionSource() = std::move(source);
}

TagEditorList PhotosAppAuthorizer::selectedEditors()
{
    return selectionSource() ? selectionSource()() : TagEditorList();
}

bool PhotosAppAuthorizer::perform()
{
    return !selectedEditors().isEmpty();
}

LocalizedText PhotosAppAuthorizer::refusalReason()
{
    return {QStringLiteral("RemoteApplyNoSelectionError"), {}};
}

} // namespace halvex
