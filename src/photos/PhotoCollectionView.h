#pragma once

#include "filebrowser/ImageCollectionView.h"

namespace corvelle {

// The grid of the photo sheet: the thumbnail grid of the file browser, as it is.
class PhotoCollectionView : public ImageCollectionView {
    Q_OBJECT

public:
    using ImageCollectionView::ImageCollectionView;
};

} // namespace corvelle
