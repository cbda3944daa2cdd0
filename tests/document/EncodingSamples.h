#pragma once

#include <array>
#include <string_view>

// Subtitle-like dialogue in the languages whose legacy code pages users
// meet most, a dozen lines each, written for these tests.
struct LanguageSample {
    std::string_view language;
    std::string_view encoding; // the code page such files come in
    std::array<std::string_view, 12> lines;
};

// clang-format off
inline constexpr std::array<LanguageSample, 19> kLanguageSamples{{
    {"Polish", "Windows-1250", {
        "Zażółć gęślą jaźń, powiedział cicho.", "Gdzie jesteś? Czekam na ciebie od rana.",
        "Nie wiem, co się stało z naszym samochodem.", "Chodź szybko, pociąg zaraz odjeżdża!",
        "Dziękuję bardzo za pomoc, przyjacielu.", "Ta historia jest naprawdę dziwna.",
        "Musimy porozmawiać o tym, co się wydarzyło.", "Jutro rano jedziemy nad jezioro.",
        "Czy możesz mi podać sól i pieprz?", "Nigdy więcej nie zrobię tego błędu.",
        "Słyszałeś ten dźwięk za ścianą?", "Wszystko będzie dobrze, obiecuję ci to."}},
    {"Czech", "Windows-1250", {
        "Příliš žluťoučký kůň úpěl ďábelské ódy.", "Kde jsi byl celou noc? Čekala jsem.",
        "Nevím, co se stalo s naším autem.", "Pojď rychle, vlak už odjíždí!",
        "Děkuji mnohokrát za vaši pomoc.", "Tahle věc je opravdu zvláštní.",
        "Musíme si promluvit o tom, co se stalo.", "Zítra ráno pojedeme k řece.",
        "Můžeš mi podat sůl a pepř?", "Už nikdy neudělám stejnou chybu.",
        "Slyšel jsi ten zvuk za zdí?", "Všechno bude v pořádku, slibuji."}},
    {"Russian", "Windows-1251", {
        "Где ты был всю ночь? Я ждала тебя.", "Не знаю, что случилось с нашей машиной.",
        "Иди быстрее, поезд уже уходит!", "Большое спасибо за вашу помощь.",
        "Эта история действительно странная.", "Нам нужно поговорить о том, что произошло.",
        "Завтра утром мы поедем на озеро.", "Можешь передать мне соль и перец?",
        "Я больше никогда не совершу эту ошибку.", "Ты слышал этот звук за стеной?",
        "Всё будет хорошо, я тебе обещаю.", "Съешь же ещё этих мягких французских булок."}},
    {"Ukrainian", "Windows-1251", {
        "Де ти був цілу ніч? Я чекала на тебе.", "Не знаю, що сталося з нашою машиною.",
        "Іди швидше, потяг вже від'їжджає!", "Щиро дякую за вашу допомогу.",
        "Ця історія справді дивна.", "Нам треба поговорити про те, що сталося.",
        "Завтра вранці ми поїдемо до озера.", "Чи можеш передати мені сіль і перець?",
        "Я більше ніколи не зроблю цієї помилки.", "Ти чув цей звук за стіною?",
        "Усе буде добре, я тобі обіцяю.", "Їжак їсть ґрунт і п'є воду з відра."}},
    {"Bulgarian", "Windows-1251", {
        "Къде беше цяла нощ? Чаках те.", "Не знам какво стана с колата ни.",
        "Върви по-бързо, влакът тръгва!", "Много благодаря за помощта ви.",
        "Тази история е наистина странна.", "Трябва да поговорим за случилото се.",
        "Утре сутрин отиваме на езерото.", "Можеш ли да ми подадеш солта?",
        "Никога повече няма да сгреша така.", "Чу ли този звук зад стената?",
        "Всичко ще бъде наред, обещавам ти.", "Жълтата дюля беше щастлива."}},
    {"Greek", "Windows-1253", {
        "Πού ήσουν όλη τη νύχτα; Σε περίμενα.", "Δεν ξέρω τι συνέβη με το αυτοκίνητό μας.",
        "Έλα γρήγορα, το τρένο φεύγει!", "Σας ευχαριστώ πολύ για τη βοήθεια.",
        "Αυτή η ιστορία είναι πραγματικά παράξενη.", "Πρέπει να μιλήσουμε για όσα έγιναν.",
        "Αύριο το πρωί πάμε στη λίμνη.", "Μπορείς να μου δώσεις το αλάτι;",
        "Δεν θα κάνω ποτέ ξανά αυτό το λάθος.", "Άκουσες αυτόν τον ήχο πίσω από τον τοίχο;",
        "Όλα θα πάνε καλά, σου το υπόσχομαι.", "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία."}},
    {"Turkish", "Windows-1254", {
        "Bütün gece neredeydin? Seni bekledim.", "Arabamıza ne olduğunu bilmiyorum.",
        "Çabuk gel, tren kalkıyor!", "Yardımınız için çok teşekkür ederim.",
        "Bu hikâye gerçekten çok tuhaf.", "Olanlar hakkında konuşmamız gerekiyor.",
        "Yarın sabah göle gideceğiz.", "Bana tuzu ve biberi uzatır mısın?",
        "Bu hatayı bir daha asla yapmayacağım.", "Duvarın arkasındaki sesi duydun mu?",
        "Her şey yoluna girecek, söz veriyorum.", "Pijamalı hasta yağız şoföre çabucak güvendi."}},
    {"Hebrew", "Windows-1255", {
        "איפה היית כל הלילה? חיכיתי לך.", "אני לא יודע מה קרה למכונית שלנו.",
        "בוא מהר, הרכבת כבר יוצאת!", "תודה רבה על העזרה שלך.",
        "הסיפור הזה באמת מוזר.", "אנחנו צריכים לדבר על מה שקרה.",
        "מחר בבוקר ניסע לאגם.", "אתה יכול להעביר לי את המלח?",
        "לעולם לא אעשה את הטעות הזאת שוב.", "שמעת את הרעש מאחורי הקיר?",
        "הכול יהיה בסדר, אני מבטיח לך.", "דג סקרן שט בים מאוכזב ולפתע מצא חברה."}},
    {"Arabic", "Windows-1256", {
        "أين كنت طوال الليل؟ كنت أنتظرك.", "لا أعرف ماذا حدث لسيارتنا.",
        "تعال بسرعة، القطار يغادر!", "شكرا جزيلا على مساعدتك.",
        "هذه القصة غريبة حقا.", "يجب أن نتحدث عما حدث.",
        "غدا صباحا سنذهب إلى البحيرة.", "هل يمكنك أن تناولني الملح؟",
        "لن أرتكب هذا الخطأ مرة أخرى أبدا.", "هل سمعت ذلك الصوت خلف الجدار؟",
        "كل شيء سيكون على ما يرام، أعدك.", "نص حكيم له سر قاطع وذو شأن عظيم."}},
    {"French", "Windows-1252", {
        "Où étais-tu toute la nuit ? Je t'attendais.", "Je ne sais pas ce qui est arrivé à notre voiture.",
        "Viens vite, le train part déjà !", "Merci beaucoup pour votre aide.",
        "Cette histoire est vraiment étrange.", "Il faut qu'on parle de ce qui s'est passé.",
        "Demain matin, nous irons au lac.", "Peux-tu me passer le sel, s'il te plaît ?",
        "Je ne referai jamais cette erreur.", "As-tu entendu ce bruit derrière le mur ?",
        "Tout ira bien, je te le promets.", "Le cœur déçu mais l'âme plutôt naïve."}},
    {"German", "Windows-1252", {
        "Wo warst du die ganze Nacht? Ich habe gewartet.", "Ich weiß nicht, was mit unserem Auto passiert ist.",
        "Komm schnell, der Zug fährt gleich ab!", "Vielen Dank für Ihre Hilfe.",
        "Diese Geschichte ist wirklich seltsam.", "Wir müssen über das reden, was geschehen ist.",
        "Morgen früh fahren wir zum See.", "Kannst du mir bitte das Salz geben?",
        "Diesen Fehler mache ich nie wieder.", "Hast du das Geräusch hinter der Wand gehört?",
        "Alles wird gut, das verspreche ich dir.", "Zwölf Boxkämpfer jagen Viktor quer über den Sylter Deich."}},
    {"Portuguese", "Windows-1252", {
        "Onde estiveste a noite toda? Esperei por ti.", "Não sei o que aconteceu ao nosso carro.",
        "Anda depressa, o comboio já vai partir!", "Muito obrigado pela vossa ajuda.",
        "Esta história é mesmo estranha.", "Temos de falar sobre o que aconteceu.",
        "Amanhã de manhã vamos ao lago.", "Podes passar-me o sal, por favor?",
        "Nunca mais vou cometer esse erro.", "Ouviste aquele barulho atrás da parede?",
        "Vai correr tudo bem, prometo-te.", "À noite, vovô Kowalsky vê o ímã cair no pé."}},
    {"Spanish", "Windows-1252", {
        "¿Dónde estuviste toda la noche? Te esperé.", "No sé qué le pasó a nuestro coche.",
        "¡Ven rápido, el tren ya sale!", "Muchas gracias por su ayuda.",
        "Esta historia es realmente extraña.", "Tenemos que hablar de lo que pasó.",
        "Mañana por la mañana iremos al lago.", "¿Me pasas la sal, por favor?",
        "Nunca volveré a cometer ese error.", "¿Oíste ese ruido detrás de la pared?",
        "Todo saldrá bien, te lo prometo.", "El pingüino Wenceslao hizo kilómetros bajo exhaustiva lluvia."}},
    {"Simplified Chinese", "GBK", {
        "你整晚都去哪儿了？我一直在等你。", "我不知道我们的车出了什么事。",
        "快点来，火车马上就要开了！", "非常感谢你的帮助。",
        "这个故事真的很奇怪。", "我们得谈谈发生了什么。",
        "明天早上我们去湖边。", "你能把盐递给我吗？",
        "我再也不会犯这个错误了。", "你听到墙后面的声音了吗？",
        "一切都会好起来的，我保证。", "他说话的时候，大家都安静了下来。"}},
    {"Traditional Chinese", "Big5", {
        "你整晚都去哪裡了？我一直在等你。", "我不知道我們的車出了什麼事。",
        "快點來，火車馬上就要開了！", "非常感謝你的幫助。",
        "這個故事真的很奇怪。", "我們得談談發生了什麼。",
        "明天早上我們去湖邊。", "你能把鹽遞給我嗎？",
        "我再也不會犯這個錯誤了。", "你聽到牆後面的聲音了嗎？",
        "一切都會好起來的，我保證。", "他說話的時候，大家都安靜了下來。"}},
    {"Japanese", "Shift_JIS", {
        "一晩中どこにいたの？ずっと待っていたのに。", "私たちの車に何があったのか分かりません。",
        "急いで、電車がもう出るよ！", "手伝ってくれて本当にありがとう。",
        "この話は本当に不思議だ。", "何が起きたのか話し合わなければならない。",
        "明日の朝、湖へ行きましょう。", "塩を取ってくれますか？",
        "もう二度とこの間違いはしない。", "壁の向こうの音が聞こえた？",
        "大丈夫、きっとうまくいくと約束する。", "彼が話し始めると、みんな静かになった。"}},
    {"Korean", "EUC-KR", {
        "밤새 어디 있었어? 계속 기다렸잖아.", "우리 차에 무슨 일이 있었는지 모르겠어.",
        "빨리 와, 기차가 곧 떠나!", "도와주셔서 정말 감사합니다.",
        "이 이야기는 정말 이상해.", "무슨 일이 있었는지 얘기해야 해.",
        "내일 아침에 호수에 가자.", "소금 좀 건네줄래?",
        "다시는 이런 실수를 하지 않을 거야.", "벽 뒤에서 나는 소리 들었어?",
        "다 잘될 거야, 약속할게.", "그가 말하기 시작하자 모두 조용해졌다."}},
    {"Thai", "Windows-874", {
        "คุณอยู่ที่ไหนทั้งคืน ฉันรอคุณอยู่", "ฉันไม่รู้ว่าเกิดอะไรขึ้นกับรถของเรา",
        "มาเร็ว รถไฟกำลังจะออกแล้ว!", "ขอบคุณมากสำหรับความช่วยเหลือ",
        "เรื่องนี้แปลกจริงๆ", "เราต้องคุยกันเรื่องที่เกิดขึ้น",
        "พรุ่งนี้เช้าเราจะไปทะเลสาบ", "ช่วยส่งเกลือกับพริกไทยให้หน่อยได้ไหม",
        "ฉันจะไม่ทำผิดแบบนี้อีกแล้ว", "คุณได้ยินเสียงหลังกำแพงไหม",
        "ทุกอย่างจะเรียบร้อย ฉันสัญญา", "เด็กชายวิ่งไปที่ตลาดตอนเช้า"}},
    // Vietnamese as Windows-1258 holds it: tones as marks after their vowel.
    {"Vietnamese", "Windows-1258", {
        "Anh đã ở đâu cả đêm? Em đã chờ anh.", "Tôi không biết chuyện gì đã xảy ra với xe.",
        "Nhanh lên, tàu sắp chạy rồi!", "Cảm ơn rất nhiều vì sự giúp đỡ của bạn.",
        "Câu chuyện này thật kỳ lạ.", "Chúng ta cần nói về những gì đã xảy ra.",
        "Sáng mai chúng ta sẽ đi ra hồ.", "Bạn có thể đưa cho tôi muối và tiêu không?",
        "Tôi sẽ không bao giờ mắc lỗi này nữa.", "Bạn có nghe thấy tiếng động sau bức tường?",
        "Mọi chuyện sẽ ổn thôi, tôi hứa với bạn.", "Hôm nay trời đẹp quá, chúng ta đi dạo nhé."}},
}};
// clang-format on
