#include "media/GstMediaSource.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

#include <memory>
#include <string_view>

namespace {

// A file the discoverer has not finished with by then is taken as unreadable.
constexpr GstClockTime kDiscoverTimeout = 15 * GST_SECOND;
// A pipeline that gives no sound for this long has stalled on a broken file.
constexpr gint64 kStallMicroseconds = 20 * G_USEC_PER_SEC;
constexpr GstClockTime kPullWait = 100 * GST_MSECOND;

struct TextFree {
    void operator()(gchar *text) const { g_free(text); }
};
struct ErrorFree {
    void operator()(GError *error) const { g_error_free(error); }
};
struct ObjectUnref {
    void operator()(void *object) const { g_object_unref(object); }
};
using GCharPtr = std::unique_ptr<gchar, TextFree>;
using ErrorPtr = std::unique_ptr<GError, ErrorFree>;
using ObjectPtr = std::unique_ptr<void, ObjectUnref>;

MediaOutcome Failure(const std::string &fileName, std::string_view why) {
    return {false, fileName + ": " + std::string(why)};
}

// GStreamer starts once per process; false when it cannot.
bool StartGStreamer(std::string &error) {
    static std::string startError;
    static const bool started = [] {
        GError *raw = nullptr;
        const bool ok = gst_init_check(nullptr, nullptr, &raw);
        ErrorPtr failure(raw);
        if (!ok)
            startError = failure ? failure->message : "GStreamer cannot start";
        return ok;
    }();
    error = startError;
    return started;
}

// The URI of a file name, or nothing when it is not a usable name.
std::optional<std::string> FileUri(const std::string &fileName) {
    GError *raw = nullptr;
    GCharPtr uri(gst_filename_to_uri(fileName.c_str(), &raw));
    ErrorPtr failure(raw);
    if (!uri)
        return std::nullopt;
    return std::string(uri.get());
}

bool HasStreams(GList *streams) {
    const bool any = streams != nullptr;
    gst_discoverer_stream_info_list_free(streams);
    return any;
}

// The frame rate of the first video stream that is not a still picture.
std::optional<double> FrameRate(GstDiscovererInfo *info) {
    GList *streams = gst_discoverer_info_get_video_streams(info);
    std::optional<double> rate;
    for (GList *item = streams; item && !rate; item = item->next) {
        auto *video = GST_DISCOVERER_VIDEO_INFO(item->data);
        const guint num = gst_discoverer_video_info_get_framerate_num(video);
        const guint den = gst_discoverer_video_info_get_framerate_denom(video);
        if (!gst_discoverer_video_info_is_image(video) && num > 0 && den > 0)
            rate = static_cast<double>(num) / den;
    }
    gst_discoverer_stream_info_list_free(streams);
    return rate;
}

bool IsVideo(GstDiscovererInfo *info) {
    GList *streams = gst_discoverer_info_get_video_streams(info);
    bool moving = false;
    for (GList *item = streams; item; item = item->next)
        moving = moving || !gst_discoverer_video_info_is_image(GST_DISCOVERER_VIDEO_INFO(item->data));
    gst_discoverer_stream_info_list_free(streams);
    return moving;
}

// What an autoplug-select handler answers (decodebin's GstAutoplugSelectResult,
// which no header exports).
constexpr int kAutoplugTry = 0;
constexpr int kAutoplugExpose = 1;

// Decoders of pictures and text are never plugged: only the sound is wanted,
// and decoding a film's pictures would cost more than everything else.
int SkipPictureDecoders(GstElement *, GstPad *, GstCaps *, GstElementFactory *factory, gpointer) {
    const char *klass = gst_element_factory_get_metadata(factory, GST_ELEMENT_METADATA_KLASS);
    const std::string_view kinds = klass ? klass : "";
    const bool decoder = kinds.find("Decoder") != std::string_view::npos;
    const bool sound = kinds.find("Audio") != std::string_view::npos;
    return decoder && !sound ? kAutoplugExpose : kAutoplugTry;
}

// Links the first sound stream the decoder finds to the conversion chain;
// every other stream runs into a sink that drops it, since a stream left
// unlinked stops some demuxers.
void LinkSound(GstElement *decoder, GstPad *pad, gpointer convertElement) {
    GstPad *soundSink = gst_element_get_static_pad(GST_ELEMENT(convertElement), "sink");
    GstCaps *caps = gst_pad_get_current_caps(pad);
    if (!caps)
        caps = gst_pad_query_caps(pad, nullptr);
    const bool sound =
        caps && gst_caps_get_size(caps) > 0 &&
        std::string_view(gst_structure_get_name(gst_caps_get_structure(caps, 0))).starts_with("audio/");
    if (caps)
        gst_caps_unref(caps);
    if (sound && !gst_pad_is_linked(soundSink)) {
        gst_pad_link(pad, soundSink);
    } else if (GstElement *drop = gst_element_factory_make("fakesink", nullptr)) {
        g_object_set(drop, "sync", FALSE, "async", FALSE, nullptr);
        gst_bin_add(GST_BIN(GST_ELEMENT_PARENT(decoder)), drop);
        gst_element_sync_state_with_parent(drop);
        GstPad *dropSink = gst_element_get_static_pad(drop, "sink");
        gst_pad_link(pad, dropSink);
        gst_object_unref(dropSink);
    }
    gst_object_unref(soundSink);
}

// The text of an error message on the bus, or nothing.
std::optional<std::string> BusError(GstBus *bus) {
    GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
    if (!message)
        return std::nullopt;
    GError *raw = nullptr;
    gst_message_parse_error(message, &raw, nullptr);
    ErrorPtr failure(raw);
    gst_message_unref(message);
    return std::string(failure ? failure->message : "the media library failed");
}

// GStreamer started and the file's URI, or why not.
MediaOutcome StartFor(const std::string &fileName, std::string &uri) {
    std::string startError;
    if (!StartGStreamer(startError))
        return Failure(fileName, startError);
    const std::optional<std::string> fileUri = FileUri(fileName);
    if (!fileUri)
        return Failure(fileName, "not a file name the media library can read");
    uri = *fileUri;
    return {true, {}};
}

} // namespace

MediaOutcome GstMediaSource::Describe(const std::string &fileName, MediaFacts &facts) {
    std::string uri;
    if (const MediaOutcome started = StartFor(fileName, uri); !started.ok)
        return started;
    GError *raw = nullptr;
    ObjectPtr discoverer(gst_discoverer_new(kDiscoverTimeout, &raw));
    ErrorPtr failure(raw);
    if (!discoverer)
        return Failure(fileName, failure ? failure->message : "the media library cannot read files");
    raw = nullptr;
    ObjectPtr info(gst_discoverer_discover_uri(GST_DISCOVERER(discoverer.get()), uri.c_str(), &raw));
    ErrorPtr discoverError(raw);
    auto *facts_ = static_cast<GstDiscovererInfo *>(info.get());
    switch (facts_ ? gst_discoverer_info_get_result(facts_) : GST_DISCOVERER_ERROR) {
    case GST_DISCOVERER_OK:
        break;
    case GST_DISCOVERER_TIMEOUT:
        return Failure(fileName, "the media library took too long to read it");
    case GST_DISCOVERER_MISSING_PLUGINS:
        return Failure(fileName, "no installed GStreamer plugin reads this kind of file");
    case GST_DISCOVERER_URI_INVALID:
    case GST_DISCOVERER_ERROR:
    case GST_DISCOVERER_BUSY:
    default:
        return Failure(fileName, std::string("not a video the media library can read") +
                                     (discoverError ? std::string(" (") + discoverError->message + ")" : ""));
    }
    const GstClockTime duration = gst_discoverer_info_get_duration(facts_);
    facts.durationSeconds =
        GST_CLOCK_TIME_IS_VALID(duration) ? static_cast<double>(duration) / GST_SECOND : 0.0;
    facts.frameRate = FrameRate(facts_);
    facts.hasVideo = IsVideo(facts_);
    facts.hasAudio = HasStreams(gst_discoverer_info_get_audio_streams(facts_));
    return {true, {}};
}

MediaOutcome GstMediaSource::DecodeAudio(const std::string &fileName, int sampleRate,
                                         AudioReceiver &receiver) {
    std::string uri;
    if (const MediaOutcome started = StartFor(fileName, uri); !started.ok)
        return started;

    GstElement *pipeline = gst_pipeline_new("sound");
    GstElement *decoder = gst_element_factory_make("uridecodebin", nullptr);
    GstElement *convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement *resample = gst_element_factory_make("audioresample", nullptr);
    GstElement *sink = gst_element_factory_make("appsink", nullptr);
    if (!decoder || !convert || !resample || !sink) {
        for (GstElement *element : {decoder, convert, resample, sink})
            if (element)
                gst_object_unref(element);
        gst_object_unref(pipeline);
        return Failure(fileName, "GStreamer lacks the elements that decode sound (plugins-base)");
    }
    gst_bin_add_many(GST_BIN(pipeline), decoder, convert, resample, sink, nullptr);
    GstCaps *caps =
        gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "channels", G_TYPE_INT, 1,
                            "rate", G_TYPE_INT, sampleRate, "layout", G_TYPE_STRING, "interleaved", nullptr);
    g_object_set(sink, "caps", caps, "sync", FALSE, "max-buffers", 64, nullptr);
    gst_caps_unref(caps);
    gst_element_link_many(convert, resample, sink, nullptr);
    g_object_set(decoder, "uri", uri.c_str(), nullptr);
    g_signal_connect(decoder, "autoplug-select", G_CALLBACK(SkipPictureDecoders), nullptr);
    g_signal_connect(decoder, "pad-added", G_CALLBACK(LinkSound), convert);

    GstBus *bus = gst_element_get_bus(pipeline);
    MediaOutcome outcome{true, {}};
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        outcome = Failure(fileName, BusError(bus).value_or("the media library cannot play it"));
    std::size_t received = 0;
    gint64 lastData = g_get_monotonic_time();
    while (outcome.ok) {
        if (const std::optional<std::string> error = BusError(bus)) {
            outcome = Failure(fileName, *error);
            break;
        }
        GstSample *sample = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), kPullWait);
        if (!sample) {
            if (gst_app_sink_is_eos(GST_APP_SINK(sink)))
                break;
            if (g_get_monotonic_time() - lastData > kStallMicroseconds)
                outcome = Failure(fileName, received == 0 ? "no sound could be decoded" : "decoding stalled");
            continue;
        }
        lastData = g_get_monotonic_time();
        GstBuffer *buffer = gst_sample_get_buffer(sample);
        GstMapInfo map;
        bool goOn = true;
        if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            const std::size_t count = map.size / sizeof(std::int16_t);
            received += count;
            goOn = receiver.Receive(reinterpret_cast<const std::int16_t *>(map.data), count,
                                    static_cast<double>(received) / sampleRate);
            gst_buffer_unmap(buffer, &map);
        }
        gst_sample_unref(sample);
        if (!goOn)
            break;
    }
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(pipeline);
    return outcome;
}
