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

std::string Why(const std::string &fileName, std::string_view why) {
    return fileName + ": " + std::string(why);
}

MediaOutcome Failure(const std::string &fileName, std::string_view why) {
    return {false, Why(fileName, why)};
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

// The library's description of a stream's format ("H.264 (High Profile)",
// "Matroska"); empty when it has none.
std::string Description(GstDiscovererStreamInfo *stream) {
    GstCaps *caps = stream ? gst_discoverer_stream_info_get_caps(stream) : nullptr;
    if (!caps)
        return {};
    GCharPtr text(gst_pb_utils_get_codec_description(caps));
    gst_caps_unref(caps);
    return text ? std::string(text.get()) : std::string();
}

// The first video stream that is not a still picture.
std::optional<VideoFacts> FirstVideo(GstDiscovererInfo *info) {
    GList *streams = gst_discoverer_info_get_video_streams(info);
    std::optional<VideoFacts> facts;
    for (GList *item = streams; item && !facts; item = item->next) {
        auto *video = GST_DISCOVERER_VIDEO_INFO(item->data);
        if (gst_discoverer_video_info_is_image(video))
            continue;
        facts.emplace();
        facts->codec = Description(GST_DISCOVERER_STREAM_INFO(video));
        facts->width = static_cast<int>(gst_discoverer_video_info_get_width(video));
        facts->height = static_cast<int>(gst_discoverer_video_info_get_height(video));
        const guint num = gst_discoverer_video_info_get_framerate_num(video);
        const guint den = gst_discoverer_video_info_get_framerate_denom(video);
        if (num > 0 && den > 0)
            facts->frameRate = FrameRateFraction{num, den};
    }
    gst_discoverer_stream_info_list_free(streams);
    return facts;
}

std::optional<AudioFacts> FirstAudio(GstDiscovererInfo *info) {
    GList *streams = gst_discoverer_info_get_audio_streams(info);
    std::optional<AudioFacts> facts;
    if (streams) {
        auto *audio = GST_DISCOVERER_AUDIO_INFO(streams->data);
        facts = AudioFacts{Description(GST_DISCOVERER_STREAM_INFO(audio)),
                           static_cast<int>(gst_discoverer_audio_info_get_channels(audio)),
                           static_cast<int>(gst_discoverer_audio_info_get_sample_rate(audio))};
    }
    gst_discoverer_stream_info_list_free(streams);
    return facts;
}

// Whether the format is one of QuickTime's variants (MP4, 3GP, ...), which
// the library's descriptions all call "Quicktime".
bool IsQuickTimeVariant(GstDiscovererStreamInfo *stream) {
    GstCaps *caps = gst_discoverer_stream_info_get_caps(stream);
    if (!caps)
        return false;
    const GstStructure *format = gst_caps_get_size(caps) > 0 ? gst_caps_get_structure(caps, 0) : nullptr;
    const bool variant = format && gst_structure_has_name(format, "video/quicktime") &&
                         gst_structure_has_field(format, "variant");
    gst_caps_unref(caps);
    return variant;
}

// The name its demuxer tags the container with ("ISO MP4/M4A"); empty when untagged.
std::string ContainerTag(GstDiscovererStreamInfo *container) {
    const GstTagList *tags = gst_discoverer_container_info_get_tags(GST_DISCOVERER_CONTAINER_INFO(container));
    gchar *tagged = nullptr;
    if (!tags || !gst_tag_list_get_string(tags, GST_TAG_CONTAINER_FORMAT, &tagged))
        return {};
    std::string name = tagged ? tagged : "";
    g_free(tagged);
    return name;
}

// The container's description ("Matroska", "WebM"), or for QuickTime's
// variants the demuxer's name of the variant; empty for a bare stream.
std::string Container(GstDiscovererInfo *info) {
    GstDiscovererStreamInfo *top = gst_discoverer_info_get_stream_info(info);
    std::string name;
    if (top && GST_IS_DISCOVERER_CONTAINER_INFO(top)) {
        if (IsQuickTimeVariant(top))
            name = ContainerTag(top);
        if (name.empty())
            name = Description(top);
    }
    if (top)
        gst_discoverer_stream_info_unref(top);
    return name;
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

// The file's URI with GStreamer started; MediaError when either fails.
std::string UriFor(const std::string &fileName) {
    std::string startError;
    if (!StartGStreamer(startError))
        throw MediaError(Why(fileName, startError));
    const std::optional<std::string> fileUri = FileUri(fileName);
    if (!fileUri)
        throw MediaError(Why(fileName, "not a file name the media library can read"));
    return *fileUri;
}

} // namespace

MediaFacts GstMediaSource::Describe(const std::string &fileName) {
    const std::string uri = UriFor(fileName);
    GError *raw = nullptr;
    ObjectPtr discoverer(gst_discoverer_new(kDiscoverTimeout, &raw));
    ErrorPtr failure(raw);
    if (!discoverer)
        throw MediaError(Why(fileName, failure ? failure->message : "the media library cannot read files"));
    raw = nullptr;
    ObjectPtr found(gst_discoverer_discover_uri(GST_DISCOVERER(discoverer.get()), uri.c_str(), &raw));
    ErrorPtr discoverError(raw);
    auto *info = static_cast<GstDiscovererInfo *>(found.get());
    switch (info ? gst_discoverer_info_get_result(info) : GST_DISCOVERER_ERROR) {
    case GST_DISCOVERER_OK:
        break;
    case GST_DISCOVERER_TIMEOUT:
        throw MediaError(Why(fileName, "the media library took too long to read it"));
    case GST_DISCOVERER_MISSING_PLUGINS:
        throw MediaError(Why(fileName, "no installed GStreamer plugin reads this kind of file"));
    case GST_DISCOVERER_URI_INVALID:
    case GST_DISCOVERER_ERROR:
    case GST_DISCOVERER_BUSY:
    default:
        throw MediaError(
            Why(fileName, std::string("not a video the media library can read") +
                              (discoverError ? std::string(" (") + discoverError->message + ")" : "")));
    }
    MediaFacts facts;
    facts.container = Container(info);
    const GstClockTime duration = gst_discoverer_info_get_duration(info);
    facts.durationSeconds =
        GST_CLOCK_TIME_IS_VALID(duration) ? static_cast<double>(duration) / GST_SECOND : 0.0;
    facts.video = FirstVideo(info);
    facts.audio = FirstAudio(info);
    return facts;
}

MediaOutcome GstMediaSource::DecodeAudio(const std::string &fileName, int sampleRate,
                                         AudioReceiver &receiver) {
    std::string uri;
    try {
        uri = UriFor(fileName);
    } catch (const MediaError &error) {
        return {false, error.what()};
    }

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
