#include "engine/halvex/places/Geocoder.h"

#include <QMutex>

namespace halvex {

namespace {

QMutex sharedMutex;
std::shared_ptr<Geocoder> sharedGeocoder;

} // namespace

Geocoder::~Geocoder() = default;

std::shared_ptr<Geocoder> Geocoder::shared()
{
    QMutexLocker locker(&sharedMutex);
    return sharedGeocoder;
}

void Geocoder::setShared(std::shared_ptr<Geocoder> geocoder)
{
    QMutexLocker locker(&sharedMutex);
    sharedGeocoder = std::move(geocoder);
}

} // namespace halvex
