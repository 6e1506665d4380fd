// The pictures' names as a child says them, one table a box in level order, translated
// under the context "level".
#include "core/level_names.h"

#include <iterator>

#include "core/i18n.h"

namespace {

// Each name is the title line of the level's source in content/k1 or content/k2; the
// shipped-level tests hold the two in step.
const char* const kBox1[] = {
    MarkCtx("level", "Тележка"), MarkCtx("level", "Домик"), MarkCtx("level", "Стул"), MarkCtx("level", "Цифра 7"),
    MarkCtx("level", "Стол"), MarkCtx("level", "Кубики"), MarkCtx("level", "Башенка"), MarkCtx("level", "Буква Т"),
    MarkCtx("level", "Буква П"), MarkCtx("level", "Молоток"), MarkCtx("level", "Ёлочка"), MarkCtx("level", "Самолёт"),
    MarkCtx("level", "Гриб"), MarkCtx("level", "Мороженое"), MarkCtx("level", "Лампа"), MarkCtx("level", "Буква М"),
    MarkCtx("level", "Пирамида"), MarkCtx("level", "Морковка"), MarkCtx("level", "Буква Н"),
    MarkCtx("level", "Цифра 1"), MarkCtx("level", "Цифра 4"), MarkCtx("level", "Цифра 0"),
    MarkCtx("level", "Самокат"), MarkCtx("level", "Снеговик"), MarkCtx("level", "Кактус"),
    MarkCtx("level", "Буква Е"), MarkCtx("level", "Цифра 2"), MarkCtx("level", "Ворота"), MarkCtx("level", "Буква А"),
    MarkCtx("level", "Цифра 3"), MarkCtx("level", "Светофор"), MarkCtx("level", "Скворечник"),
    MarkCtx("level", "Цифра 6"), MarkCtx("level", "Цифра 8"), MarkCtx("level", "Цифра 9"),
    MarkCtx("level", "Буква К"), MarkCtx("level", "Цифра 5"), MarkCtx("level", "Качели"), MarkCtx("level", "Машинка"),
    MarkCtx("level", "Цветок"), MarkCtx("level", "Лестница"), MarkCtx("level", "Диван"), MarkCtx("level", "Горка"),
    MarkCtx("level", "Будка"), MarkCtx("level", "Утка"), MarkCtx("level", "Санки"), MarkCtx("level", "Лодочка"),
    MarkCtx("level", "Велосипед"), MarkCtx("level", "Пирамидка"), MarkCtx("level", "Ключ"),
    MarkCtx("level", "Кораблик"), MarkCtx("level", "Собака"), MarkCtx("level", "Флажок"),
    MarkCtx("level", "Гусеница"), MarkCtx("level", "Чашка"), MarkCtx("level", "Рыбка"), MarkCtx("level", "Черепаха"),
    MarkCtx("level", "Дерево"), MarkCtx("level", "Колодец"), MarkCtx("level", "Кровать"), MarkCtx("level", "Мост"),
    MarkCtx("level", "Птичка"), MarkCtx("level", "Подводная лодка"), MarkCtx("level", "Груша"),
    MarkCtx("level", "Колокольчик"), MarkCtx("level", "Паровозик"), MarkCtx("level", "Грузовик"),
    MarkCtx("level", "Трактор"), MarkCtx("level", "Пожарная машина"), MarkCtx("level", "Мельница"),
    MarkCtx("level", "Котик"), MarkCtx("level", "Ракета"), MarkCtx("level", "Зонтик"), MarkCtx("level", "Будильник"),
    MarkCtx("level", "Зайчик"), MarkCtx("level", "Бабочка"), MarkCtx("level", "Пингвин"), MarkCtx("level", "Корона"),
    MarkCtx("level", "Автобус"), MarkCtx("level", "Маяк"), MarkCtx("level", "Избушка"), MarkCtx("level", "Трамвай"),
    MarkCtx("level", "Палатка"), MarkCtx("level", "Вагончик"), MarkCtx("level", "Пароход"), MarkCtx("level", "Жираф"),
    MarkCtx("level", "Вертолёт"), MarkCtx("level", "Слон"), MarkCtx("level", "Торт"), MarkCtx("level", "Шкаф"),
    MarkCtx("level", "Холодильник"), MarkCtx("level", "Робот"), MarkCtx("level", "Экскаватор"),
    MarkCtx("level", "Улитка"), MarkCtx("level", "Барабан"), MarkCtx("level", "Сова"),
    MarkCtx("level", "Скорая помощь"), MarkCtx("level", "Телевизор"), MarkCtx("level", "Большой замок"),
    MarkCtx("level", "Свободная стройка"),
};
const char* const kBox2[] = {
    MarkCtx("level", "Машинка"), MarkCtx("level", "Грибок"), MarkCtx("level", "Буква А"),
    MarkCtx("level", "Снеговик"), MarkCtx("level", "Цветок"), MarkCtx("level", "Буква Ш"),
    MarkCtx("level", "Цифра 7"), MarkCtx("level", "Цифра 8"), MarkCtx("level", "Цифра 1"),
    MarkCtx("level", "Цифра 4"), MarkCtx("level", "Пирамида"), MarkCtx("level", "Светофор"),
    MarkCtx("level", "Цифра 5"), MarkCtx("level", "Буква Е"), MarkCtx("level", "Буква К"),
    MarkCtx("level", "Цифра 2"), MarkCtx("level", "Буква Т"), MarkCtx("level", "Цифра 3"),
    MarkCtx("level", "Бабочка"), MarkCtx("level", "Кактус"), MarkCtx("level", "Ёлочка"), MarkCtx("level", "Цифра 9"),
    MarkCtx("level", "Буква О"), MarkCtx("level", "Воздушный змей"), MarkCtx("level", "Кружка"),
    MarkCtx("level", "Цифра 6"), MarkCtx("level", "Буква В"), MarkCtx("level", "Буква М"),
    MarkCtx("level", "Цифра 0"), MarkCtx("level", "Звезда"), MarkCtx("level", "Месяц"), MarkCtx("level", "Корона"),
    MarkCtx("level", "Рыбка"), MarkCtx("level", "Кораблик"), MarkCtx("level", "Тучка"), MarkCtx("level", "Мельница"),
    MarkCtx("level", "Ракета"), MarkCtx("level", "Картина"), MarkCtx("level", "Гитара"), MarkCtx("level", "Вишня"),
    MarkCtx("level", "Солнце"), MarkCtx("level", "Домик"), MarkCtx("level", "Краб"), MarkCtx("level", "Тележка"),
    MarkCtx("level", "Маяк"), MarkCtx("level", "Кекс"), MarkCtx("level", "Цыплёнок"), MarkCtx("level", "Осьминог"),
    MarkCtx("level", "Паровоз"), MarkCtx("level", "Собака"), MarkCtx("level", "Грузовик"),
    MarkCtx("level", "Лягушка"), MarkCtx("level", "Сердце"), MarkCtx("level", "Яблоко"), MarkCtx("level", "Пингвин"),
    MarkCtx("level", "Жираф"), MarkCtx("level", "Мороженое"), MarkCtx("level", "Клубника"),
    MarkCtx("level", "Дерево"), MarkCtx("level", "Очки"), MarkCtx("level", "Улитка"), MarkCtx("level", "Лошадка"),
    MarkCtx("level", "Гусеница"), MarkCtx("level", "Котик"), MarkCtx("level", "Настольная лампа"),
    MarkCtx("level", "Ёжик"), MarkCtx("level", "Подъёмный кран"), MarkCtx("level", "Варежка"),
    MarkCtx("level", "Божья коровка"), MarkCtx("level", "Футболка"), MarkCtx("level", "Утка"),
    MarkCtx("level", "Подарок"), MarkCtx("level", "Мяч"), MarkCtx("level", "Черепаха"), MarkCtx("level", "Кит"),
    MarkCtx("level", "Зонтик"), MarkCtx("level", "Автобус"), MarkCtx("level", "Слон"), MarkCtx("level", "Зайчик"),
    MarkCtx("level", "Трактор"), MarkCtx("level", "Качели"), MarkCtx("level", "Аквариум"), MarkCtx("level", "Арбуз"),
    MarkCtx("level", "Чайник"), MarkCtx("level", "Вертолёт"), MarkCtx("level", "Самолёт"), MarkCtx("level", "Мишка"),
    MarkCtx("level", "Экскаватор"), MarkCtx("level", "Торт"), MarkCtx("level", "Мост"), MarkCtx("level", "Телевизор"),
    MarkCtx("level", "Подводная лодка"), MarkCtx("level", "Сова"), MarkCtx("level", "Замок"),
    MarkCtx("level", "Пожарная машина"), MarkCtx("level", "Робот"), MarkCtx("level", "Карусель"),
    MarkCtx("level", "Динозавр"), MarkCtx("level", "Улица"), MarkCtx("level", "Свободная стройка"),
};

}  // namespace

const char* LevelName(int box, int level) {
    if (level < 1) return "";
    if (box == 1 && level <= static_cast<int>(std::size(kBox1))) return TrCtx("level", kBox1[level - 1]);
    if (box == 2 && level <= static_cast<int>(std::size(kBox2))) return TrCtx("level", kBox2[level - 1]);
    return "";
}
