-- Large plant for the benchmarks: 300 workers, 2 000 products in 30 groups,
-- 40 operation kinds, 12 000 operations, five years of shift journal up to
-- today (about 2 million positions), the utility-work journal and the
-- timesheet built from both. Load into a fresh clone of tabel_template as sys:
--     psql -v ON_ERROR_STOP=1 -d tabel_bench -f bench/generate.sql
-- Set-based and seeded: the same day gives the same rows.

SET client_min_messages = warning;
SET work_mem = '256MB';
SET maintenance_work_mem = '512MB';
-- random() must run in one process, in plan order, for the seed to hold.
SET max_parallel_workers_per_gather = 0;
SET synchronous_commit = off;
DO $$ BEGIN PERFORM setseed(0.2718); END $$;

------------------------------------------------------------------------------
-- Catalogues
------------------------------------------------------------------------------

-- Workers 1..270 work in the shifts, 271..290 help brigades and paint,
-- 291..300 do utility work only. Every fifth is a woman.
CREATE TEMP TABLE bench_surname (n int PRIMARY KEY, s text);
INSERT INTO bench_surname
SELECT n, s FROM unnest(ARRAY[
    'Иванов', 'Петров', 'Сидоров', 'Смирнов', 'Кузнецов', 'Попов', 'Васильев', 'Соколов',
    'Михайлов', 'Новиков', 'Фёдоров', 'Морозов', 'Волков', 'Алексеев', 'Лебедев', 'Семёнов',
    'Егоров', 'Павлов', 'Козлов', 'Степанов', 'Николаев', 'Орлов', 'Андреев', 'Макаров',
    'Никитин', 'Захаров', 'Зайцев', 'Соловьёв', 'Борисов', 'Яковлев', 'Григорьев', 'Романов',
    'Воробьёв', 'Сергеев', 'Кузьмин', 'Фролов', 'Александров', 'Дмитриев', 'Королёв', 'Гусев',
    'Киселёв', 'Ильин', 'Максимов', 'Поляков', 'Сорокин', 'Виноградов', 'Ковалёв', 'Белов',
    'Медведев', 'Антонов', 'Тарасов', 'Жуков', 'Баранов', 'Филиппов', 'Комаров', 'Давыдов',
    'Беляев', 'Герасимов', 'Богданов', 'Осипов']) WITH ORDINALITY t(s, n);

INSERT INTO accounts_dep.person (fio, s_staffpos_hl)
SELECT s.s || CASE WHEN w % 5 = 0 THEN 'а' ELSE '' END || ' '
       || substr(l.letters, 1 + ((w - 1) / 60 * 4 + w % 4) % length(l.letters), 1) || '.'
       || substr(l.letters, 1 + (w * 7 + 3) % length(l.letters), 1) || '.',
       CASE WHEN w > 290 THEN 'Подсобный рабочий'
            WHEN w > 285 THEN 'Оператор покраски'
            WHEN w > 270 THEN 'Подсобный рабочий бригады'
            ELSE (ARRAY['Формовщик', 'Бетонщик', 'Арматурщик', 'Формовщик', 'Электросварщик',
                        'Маляр', 'Стропальщик', 'Формовщик', 'Бетонщик', 'Оператор покраски',
                        'Арматурщик', 'Бригадир'])[1 + (w - 1) % 12]
       END
  FROM generate_series(1, 300) w
  JOIN bench_surname s ON s.n = 1 + (w - 1) % 60
 CROSS JOIN (SELECT 'АБВГДЕЖИКЛМНОПРСТФЭЮЯ'::text AS letters) l
 ORDER BY w;

-- Thirty nomenclature groups, each with its mark prefix.
CREATE TEMP TABLE bench_group (g int PRIMARY KEY, caption text, prefix text, massa numeric, id t_id);
INSERT INTO bench_group (g, caption, prefix, massa)
SELECT n, c, p, m FROM unnest(
    ARRAY['Кольца колодезные', 'Плиты перекрытия', 'Блоки фундаментные', 'Бордюрный камень',
          'Тротуарная плитка', 'Лотки водоотводные', 'Перемычки', 'Сваи и опоры', 'Плиты дорожные',
          'Плиты аэродромные', 'Крышки колодцев', 'Днища колодцев', 'Блоки стеновые',
          'Лестничные марши', 'Лестничные площадки', 'Ригели', 'Колонны', 'Балки', 'Фермы',
          'Панели наружные', 'Панели внутренние', 'Плиты балконные', 'Вентблоки', 'Шахты лифтов',
          'Опоры ЛЭП', 'Трубы безнапорные', 'Плиты забора', 'Блоки бетонные', 'Полусферы',
          'Водостоки'],
    ARRAY['КС', 'ПК', 'ФБС', 'БР', 'ПТ', 'Л', 'ПБ', 'С', 'ПД', 'ПАГ', 'КЦП', 'ПН', 'СБ', 'ЛМ', 'ЛП',
          'Р', 'К', 'Б', 'ФС', 'НС', 'ВС', 'ПБК', 'ВБ', 'ШЛ', 'СВ', 'ТБ', 'ПО', 'ББ', 'ПС', 'ВД'],
    ARRAY[1.00, 1.00, 1.00, 0.25, 0.05, 0.50, 0.25, 1.00, 1.00, 1.00, 0.50, 0.50, 0.50, 1.00, 1.00,
          1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 0.50, 1.00, 1.00, 0.50, 0.50, 0.25, 0.20, 0.20]::numeric[])
    WITH ORDINALITY t(c, p, m, n);

INSERT INTO cmn_classifier.item (id_classifier, id_level, s_code, s_caption, b_excluded)
SELECT 1, 2, lpad(g::text, 3, '0'), caption, 0 FROM bench_group ORDER BY g;
UPDATE bench_group b SET id = i.id FROM cmn_classifier.item i WHERE i.id_level = 2 AND i.s_caption = b.caption;

-- 2 000 products, pn 1..2000, spread round-robin over the groups.
CREATE TEMP TABLE bench_product (pn int PRIMARY KEY, id t_id, marka text, g int);
INSERT INTO bench_product (pn, marka, g)
SELECT n, b.prefix || '-' || (10 + (n - 1) / 30 * 3)::text || CASE WHEN n % 4 = 0 THEN '-У' ELSE '' END, b.g
  FROM generate_series(1, 2000) n
  JOIN bench_group b ON b.g = 1 + (n - 1) % 30;

INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption, s_description, id_msm_bs, massa, id_class_item)
SELECT p.marka, '', 6, b.massa, b.id
  FROM bench_product p JOIN bench_group b ON b.g = p.g
 ORDER BY p.pn;
UPDATE bench_product p SET id = s.id
  FROM cmn_gds_and_srv.gds_and_srv s, bench_group b
 WHERE b.g = p.g AND s.id_class_item = b.id AND s.s_caption = p.marka;

-- Forty operation kinds with their money per hour; kinds 6, 7 and 21 work on blanks.
CREATE TEMP TABLE bench_kind (k int PRIMARY KEY, vid text, rate numeric, naimen int, painting boolean, id int);
INSERT INTO bench_kind (k, vid, rate, naimen, painting)
SELECT n, v, 150 + (n * 37) % 140, CASE WHEN n IN (6, 7, 21) THEN 1 ELSE 0 END, v LIKE 'Покраска%'
  FROM unnest(ARRAY[
    'Формовка', 'Бетонирование', 'Вибрирование', 'Распалубка', 'Пропаривание', 'Армирование',
    'Сварка каркаса', 'Шлифовка', 'Покраска', 'Маркировка', 'Упаковка', 'Погрузка', 'Разгрузка',
    'Смазка форм', 'Чистка форм', 'Сборка форм', 'Затирка', 'Отделка', 'Контроль качества',
    'Складирование', 'Гибка арматуры', 'Резка арматуры', 'Установка закладных', 'Натяжение арматуры',
    'Укладка утеплителя', 'Гидроизоляция', 'Покраска грунтом', 'Покраска эмалью', 'Сверление',
    'Торкретирование', 'Уход за бетоном', 'Приготовление смеси', 'Подача смеси', 'Строповка',
    'Транспортировка', 'Маркировка краской', 'Ремонт сколов', 'Обвязка', 'Пакетирование',
    'Испытание']) WITH ORDINALITY t(v, n);
INSERT INTO accounts_dep.vid_oper (vid) SELECT vid FROM bench_kind ORDER BY k;
UPDATE bench_kind b SET id = v.id FROM accounts_dep.vid_oper v WHERE v.vid = b.vid AND v.id > 7782;

-- Six operations of distinct kinds per product (j 1..6).
CREATE TEMP TABLE bench_oper (pn int, j int, k int, id int, i_id int, PRIMARY KEY (pn, j));
INSERT INTO bench_oper (pn, j, k, i_id)
SELECT p.pn, j, 1 + (p.pn * 7 + j * 11) % 40, p.id::int
  FROM bench_product p CROSS JOIN generate_series(1, 6) j;

INSERT INTO accounts_dep.oper (vid, naimen, i_id, cena_new)
SELECT b.id, b.naimen, o.i_id, 0
  FROM bench_oper o JOIN bench_kind b ON b.k = o.k
 ORDER BY o.pn, o.j;
UPDATE bench_oper o SET id = op.id
  FROM accounts_dep.oper op, bench_kind b
 WHERE b.k = o.k AND op.i_id = o.i_id AND op.vid = b.id;

-- One norm per operation (units per 8-hour shift), a second with a higher norm and
-- a lower price for every third; a norm shift pays about the kind's hourly rate.
INSERT INTO accounts_dep.norm (o_id, norma, prize, price)
SELECT o.id, n.norma, n.prize, round(b.rate * 8 * n.factor / n.norma, 2)::float8
  FROM bench_oper o
  JOIN bench_product p ON p.pn = o.pn
  JOIN bench_group g ON g.g = p.g
  JOIN bench_kind b ON b.k = o.k
 CROSS JOIN LATERAL (VALUES
        (1, round(160 / (g.massa * 10 + 1))::int, 10, 1.0 + (o.id % 5) * 0.05),
        (2, round(220 / (g.massa * 10 + 1))::int, 15, 1.2 + (o.id % 5) * 0.05)) n(no, norma, prize, factor)
 WHERE n.no = 1 OR o.id % 3 = 0
 ORDER BY o.id, n.no;

UPDATE accounts_dep.norm SET price = 180.00 WHERE o_id = 7777;
UPDATE accounts_dep.norm SET price = 150.00 WHERE o_id = 7782;
UPDATE accounts_dep.norm SET price = 200.00 WHERE o_id = 7778;

-- What a position needs of its operation: the unit price and norm.
CREATE TEMP TABLE bench_op (pn int, j int, o_id int, i_id int, price float8, norma int, painting boolean,
                            PRIMARY KEY (pn, j));
INSERT INTO bench_op
SELECT o.pn, o.j, o.id, o.i_id, min(n.price), min(n.norma), b.painting
  FROM bench_oper o JOIN accounts_dep.norm n ON n.o_id = o.id JOIN bench_kind b ON b.k = o.k
 GROUP BY o.pn, o.j, o.id, o.i_id, b.painting;
ANALYZE bench_op;

------------------------------------------------------------------------------
-- Journals
------------------------------------------------------------------------------

CREATE TEMP TABLE bench_day AS
SELECT d::date AS d, extract(isodow FROM d) >= 6 AS day_off
  FROM generate_series(current_date - interval '5 years' + interval '1 day', current_date, interval '1 day') d;

-- Worker-days of the shift workers: present or not, the week's shift (the
-- crews rotate weekly), the number of positions and the day's two products.
CREATE TEMP TABLE bench_wd AS
SELECT d, day_off, w, present, sh, k, p1, p2, overtime, avg_day
  FROM (SELECT d.d, d.day_off, w.w,
               random() < CASE WHEN d.day_off THEN 0.2 ELSE 0.92 END AS present,
               1 + (w.w + (d.d - date '2000-01-03') / 7) % 3 AS sh,
               3 + floor(random() * 6)::int AS k,
               1 + floor(random() * 2000)::int AS p1,
               1 + floor(random() * 2000)::int AS p2,
               NOT d.day_off AND random() < 0.07 AS overtime,
               NOT d.day_off AND random() < 0.3 AS avg_day
          FROM bench_day d CROSS JOIN generate_series(1, 270) w(w)
         ORDER BY d.d, w.w) x;
ANALYZE bench_wd;

-- Rows go in in the order a plant enters them: by date, then shift.
CREATE TEMP TABLE bench_smena AS
SELECT wd.w, o.i_id, o.o_id,
       round((o.price * CASE WHEN wd.day_off THEN 2 ELSE 1 END * CASE WHEN wd.sh = 3 THEN 1.2 ELSE 1 END)::numeric, 4)::float8 AS cena,
       greatest(1, round(o.norma * h.t / 8.0 * (0.7 + random() * 0.5))) AS qty,
       random() AS r_bad, random() AS r_bad_n,
       wd.d, wd.sh,
       CASE WHEN o.painting THEN (ARRAY[1, 1, 3020, 5005, 6005, 7035, 9003])[1 + floor(random() * 7)::int] ELSE 0 END AS color,
       h.t,
       wd.d + make_interval(hours => 6 + 8 * (wd.sh - 1) + 7, mins => floor(random() * 60)::int) AS vvod,
       random() AS r_ok, i
  FROM bench_wd wd
 CROSS JOIN LATERAL generate_series(1, wd.k) i
 CROSS JOIN LATERAL (SELECT (8 * i) / wd.k - (8 * (i - 1)) / wd.k AS t) h
  JOIN bench_op o ON o.pn = CASE WHEN i % 2 = 1 THEN wd.p1 ELSE wd.p2 END AND o.j = 1 + ((i - 1) / 2) % 6
 WHERE wd.present
UNION ALL
-- Two or three hours of overtime on the day's first product.
SELECT wd.w, o.i_id, o.o_id, round((o.price * 1.5)::numeric, 4)::float8, 2 + floor(random() * 6), 1, 1,
       wd.d, 4, 0, 2 + floor(random() * 2)::int, wd.d + interval '23 hours', 0.5, 9
  FROM bench_wd wd JOIN bench_op o ON o.pn = wd.p1 AND o.j = 1
 WHERE wd.present AND wd.overtime
UNION ALL
-- Brigade helpers (271..285) and painting operators (286..290) on working days.
SELECT w.w, c.c, c.c, round((1200 + random() * 600)::numeric, 2)::float8, 1, 1, 1,
       d.d, 1 + (w.w + (d.d - date '2000-01-03') / 7) % 3,
       CASE WHEN c.c = 7780 THEN 3020 ELSE 0 END, 8, d.d + interval '15 hours', 0.5, 10
  FROM bench_day d
 CROSS JOIN generate_series(271, 290) w(w)
 CROSS JOIN LATERAL (SELECT CASE WHEN w.w > 285 THEN 7780 ELSE 7781 END AS c) c
 WHERE NOT d.day_off AND (d.d - date '2000-01-01' + w.w) % 5 <> 0;

INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "time",
                                vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
SELECT w, i_id, o_id, cena, qty,
       CASE WHEN r_bad < 0.1 THEN least(qty - 1, 1 + floor(r_bad_n * 3))::int ELSE 0 END,
       d, sh, color, t, vvod,
       CASE WHEN d < current_date - 2 THEN CASE WHEN r_ok < 0.85 THEN 'ok' WHEN r_ok < 0.9 THEN 'да' ELSE 'no' END
            ELSE CASE WHEN r_ok < 0.05 THEN 'да' ELSE 'no' END END,
       0, 0, 0, 0, 0, 0
  FROM bench_smena
 ORDER BY d, sh, w, i;
DROP TABLE bench_smena;

-- Utility work: 291..300 most days (kinds 7777 and 7782, some night hours),
-- the helpers on their free working days; average-piece-rate days (7778) for
-- shift workers absent on a working day.
INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
SELECT g.id, x.o, x.w, x.d, extract(month FROM x.d), extract(year FROM x.d), 1, x.cnt, x.price, x.day_off::int, x.night
  FROM (SELECT d.d, d.day_off, w.w, 1 + floor(random() * 30)::int AS g,
               CASE WHEN w.w % 2 = 0 AND random() < 0.4 THEN 7782 ELSE 7777 END AS o, 8 AS cnt, 0 AS night,
               random() < CASE WHEN d.day_off THEN 0.3 ELSE 0.95 END AS on_duty
          FROM bench_day d CROSS JOIN generate_series(291, 300) w(w)) x0
 CROSS JOIN LATERAL (SELECT x0.d, x0.day_off, x0.w, x0.o, x0.cnt, x0.night,
                            CASE WHEN x0.o = 7782 THEN 150.00 ELSE 180.00 END
                              * CASE WHEN x0.day_off THEN 2 ELSE 1 END AS price
                      WHERE x0.on_duty
                     UNION ALL
                     SELECT x0.d, x0.day_off, x0.w, 7777, 4, 1,
                            CASE WHEN x0.day_off THEN 432.00 ELSE 216.00 END
                      WHERE x0.on_duty AND random() < 0.15) x
  JOIN bench_group g ON g.g = x0.g
UNION ALL
SELECT g.id, 7777, w.w, d.d, extract(month FROM d.d), extract(year FROM d.d), 1, 8, 180.00, 0, 0
  FROM bench_day d
 CROSS JOIN generate_series(271, 290) w(w)
  JOIN bench_group g ON g.g = 1 + (w.w + (d.d - date '2000-01-01')) % 30
 WHERE NOT d.day_off AND (d.d - date '2000-01-01' + w.w) % 5 = 0
UNION ALL
SELECT g.id, 7778, wd.w, wd.d, extract(month FROM wd.d), extract(year FROM wd.d), 1, 8, 0, 0, 0
  FROM bench_wd wd
  JOIN bench_group g ON g.g = 1 + wd.p1 % 30
 WHERE NOT wd.present AND wd.avg_day
 ORDER BY 4, 3;

-- Average piece rate of the 7778 hours: the worker's money per hour in the shift
-- journal of the month.
CREATE TEMP TABLE bench_rate AS
SELECT w_id, extract(year FROM data)::int AS yy, extract(month FROM data)::int AS mm,
       CASE WHEN sum("time") = 0 THEN 0
            ELSE (sum((kol_vo - brak) * cena::numeric) / sum("time"))::numeric(10,2) END AS rate
  FROM accounts_dep.smena
 GROUP BY 1, 2, 3;
UPDATE accounts_dep.fatigue f SET price = r.rate
  FROM bench_rate r
 WHERE f.id_o = 7778 AND r.w_id = f.id_p AND r.yy = f.i_year AND r.mm = f.i_mnth;

-- Timesheet from the journals.
\ir ../sql/timesheet_from_journals.sql

DROP TABLE bench_surname, bench_group, bench_product, bench_kind, bench_oper, bench_op, bench_day, bench_wd, bench_rate;

-- A long-lived database has been vacuumed: visibility map and statistics set.
VACUUM (ANALYZE) accounts_dep.smena, accounts_dep.fatigue, accounts_dep.h_tabel, accounts_dep.person,
    accounts_dep.vid_oper, accounts_dep.oper, accounts_dep.norm, cmn_contractor.person,
    cmn_gds_and_srv.gds_and_srv, cmn_classifier.item;
