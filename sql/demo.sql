-- Demo data of a small precast-concrete plant: catalogues, the shift journal and the
-- utility-work journal of the last 31 days up to today, and the timesheet built from
-- them. Load after schema.sql and base.sql. Random choices are seeded, so the same
-- day gives the same data.

SET client_min_messages = warning;

INSERT INTO cmn_department.department (id_branch, s_code, s_caption, s_description) VALUES
    (1, '01', 'Формовочный цех', ''),
    (1, '02', 'Арматурный цех', ''),
    (1, '03', 'Участок покраски', ''),
    (1, '04', 'Склад готовой продукции', ''),
    (1, '05', 'Ремонтно-механический участок', '');

INSERT INTO hrms_staffpos.staffpos (id_department, s_code, s_caption, d_begin, s_description)
SELECT d.id, v.code, v.caption, date '2015-01-01', ''
  FROM (VALUES ('101', 'Формовщик',          'Формовочный цех'),
               ('102', 'Бетонщик',           'Формовочный цех'),
               ('103', 'Бригадир',           'Формовочный цех'),
               ('201', 'Арматурщик',         'Арматурный цех'),
               ('202', 'Электросварщик',     'Арматурный цех'),
               ('301', 'Маляр',              'Участок покраски'),
               ('302', 'Оператор покраски',  'Участок покраски'),
               ('401', 'Стропальщик',        'Склад готовой продукции'),
               ('402', 'Кладовщик',          'Склад готовой продукции'),
               ('501', 'Подсобный рабочий',  'Ремонтно-механический участок')) v(code, caption, dep)
  JOIN cmn_department.department d ON d.s_caption = v.dep;

INSERT INTO adm_role.roles (s_name, s_caption, d_begin, b_active) VALUES
    ('admin',   'Администратор',  date '2015-01-01', 1),
    ('master',  'Мастер смены',   date '2015-01-01', 1),
    ('planner', 'Плановик',       date '2015-01-01', 1),
    ('store',   'Кладовщик',      date '2015-01-01', 1);

-- Workers 1..36 work in the shifts, 37..40 do utility work and help the brigades.
INSERT INTO accounts_dep.person (fio, s_staffpos_hl)
SELECT s.surname || ' ' || substr(l.letters, (1 + (s.n * 7) % length(l.letters))::int, 1) || '.'
                        || substr(l.letters, (1 + (s.n * 11 + 3) % length(l.letters))::int, 1) || '.',
       CASE WHEN s.n > 36 THEN 'Подсобный рабочий'
            ELSE (ARRAY['Формовщик', 'Бетонщик', 'Арматурщик', 'Формовщик', 'Электросварщик',
                        'Маляр', 'Стропальщик', 'Формовщик', 'Бетонщик', 'Оператор покраски',
                        'Арматурщик', 'Бригадир'])[1 + (s.n - 1) % 12]
       END
  FROM unnest(ARRAY[
        'Иванов', 'Петров', 'Сидоров', 'Смирнов', 'Кузнецов', 'Попов', 'Васильев', 'Соколов',
        'Михайлов', 'Новиков', 'Фёдоров', 'Морозов', 'Волков', 'Алексеев', 'Лебедев', 'Семёнов',
        'Егоров', 'Павлов', 'Козлов', 'Степанов', 'Николаев', 'Орлов', 'Андреев', 'Макаров',
        'Никитин', 'Захаров', 'Зайцев', 'Соловьёв', 'Борисов', 'Яковлев', 'Григорьев', 'Романов',
        'Воробьёв', 'Сергеев', 'Кузьмин', 'Фролов', 'Белова', 'Комарова', 'Дмитриев', 'Гусев'])
       WITH ORDINALITY s(surname, n)
 CROSS JOIN (SELECT 'АБВГДЕИКЛМНОПРСТФЮЯ'::text AS letters) l
 ORDER BY s.n;

-- Nomenclature groups and their products; massa is the number of boxes per unit.
INSERT INTO cmn_classifier.item (id_classifier, id_level, s_code, s_caption, b_excluded)
SELECT 1, 2, lpad(n::text, 3, '0'), g, 0
  FROM unnest(ARRAY['Кольца колодезные', 'Плиты перекрытия', 'Блоки фундаментные',
                    'Бордюрный камень', 'Тротуарная плитка', 'Лотки водоотводные',
                    'Перемычки', 'Сваи и опоры']) WITH ORDINALITY t(g, n)
 ORDER BY n;

INSERT INTO cmn_gds_and_srv.gds_and_srv (s_caption, s_description, id_msm_bs, massa, id_class_item)
SELECT p.marka, '', 6, p.massa, i.id
  FROM (VALUES
        ('Кольца колодезные',  'КС-7',     1.00), ('Кольца колодезные',  'КС-10',    1.00),
        ('Кольца колодезные',  'КС-12',    1.00), ('Кольца колодезные',  'КС-15',    1.00),
        ('Кольца колодезные',  'КС-20',    1.00),
        ('Плиты перекрытия',   'ПБ-40',    1.00), ('Плиты перекрытия',   'ПБ-60',    1.00),
        ('Плиты перекрытия',   'ПК-60-12', 1.00), ('Плиты перекрытия',   'ПК-63-15', 1.00),
        ('Плиты перекрытия',   'ПТП-42',   1.00),
        ('Блоки фундаментные', 'ФБС-24',   1.00), ('Блоки фундаментные', 'ФБС-12',   1.00),
        ('Блоки фундаментные', 'ФБС-9',    1.00), ('Блоки фундаментные', 'ФЛ-12',    1.00),
        ('Блоки фундаментные', 'БФ-6',     1.00),
        ('Бордюрный камень',   'БР-100',   0.25), ('Бордюрный камень',   'БР-300',   0.50),
        ('Бордюрный камень',   'БК-1',     0.25), ('Бордюрный камень',   'БВ-80',    0.20),
        ('Бордюрный камень',   'БО-50',    0.20),
        ('Тротуарная плитка',  'ПТ-8',     0.05), ('Тротуарная плитка',  'ПТ-6',     0.04),
        ('Тротуарная плитка',  'ПТК-4',    0.04), ('Тротуарная плитка',  'ПТВ-10',   0.06),
        ('Тротуарная плитка',  'ПТР-8',    0.05),
        ('Лотки водоотводные', 'Л-1',      0.50), ('Лотки водоотводные', 'Л-4',      1.00),
        ('Лотки водоотводные', 'ЛК-300',   0.50), ('Лотки водоотводные', 'ЛВ-100',   0.25),
        ('Лотки водоотводные', 'ЛТ-2',     0.50),
        ('Перемычки',          '2ПБ-10',   0.25), ('Перемычки',          '2ПБ-13',   0.25),
        ('Перемычки',          '2ПБ-17',   0.50), ('Перемычки',          '3ПБ-21',   0.50),
        ('Перемычки',          '5ПБ-25',   1.00),
        ('Сваи и опоры',       'С-30',     1.00), ('Сваи и опоры',       'С-60',     1.00),
        ('Сваи и опоры',       'С-80',     1.00), ('Сваи и опоры',       'СП-12',    1.00),
        ('Сваи и опоры',       'ОС-3',     1.00)) p(grp, marka, massa)
  JOIN cmn_classifier.item i ON i.id_level = 2 AND i.s_caption = p.grp
 ORDER BY i.id, p.marka;

-- Operation kinds: name, money per hour at the norm, product kind (0 goods, 1 blanks)
-- and the groups that use the kind (NULL: every group).
CREATE TEMP TABLE demo_kind (vid text, rate numeric, naimen int, groups text[]);
INSERT INTO demo_kind VALUES
    ('Формовка',       260, 0, NULL),
    ('Бетонирование',  240, 0, NULL),
    ('Вибрирование',   200, 0, ARRAY['Плиты перекрытия', 'Тротуарная плитка', 'Сваи и опоры']),
    ('Распалубка',     210, 0, NULL),
    ('Пропаривание',   180, 0, ARRAY['Плиты перекрытия', 'Сваи и опоры', 'Перемычки']),
    ('Армирование',    250, 1, ARRAY['Кольца колодезные', 'Плиты перекрытия', 'Перемычки', 'Сваи и опоры', 'Лотки водоотводные']),
    ('Сварка каркаса', 280, 1, ARRAY['Плиты перекрытия', 'Сваи и опоры', 'Блоки фундаментные']),
    ('Шлифовка',       190, 0, ARRAY['Бордюрный камень', 'Тротуарная плитка']),
    ('Покраска',       230, 0, ARRAY['Бордюрный камень', 'Тротуарная плитка', 'Лотки водоотводные']),
    ('Маркировка',     160, 0, ARRAY['Блоки фундаментные', 'Плиты перекрытия', 'Кольца колодезные']),
    ('Упаковка',       150, 0, ARRAY['Тротуарная плитка', 'Бордюрный камень']),
    ('Погрузка',       170, 0, NULL);

INSERT INTO accounts_dep.vid_oper (vid) SELECT vid FROM demo_kind ORDER BY vid;

INSERT INTO accounts_dep.oper (vid, naimen, i_id, cena_new)
SELECT vo.id, k.naimen, z.id, 0
  FROM accounts_dep.izdel z
  JOIN demo_kind k ON k.groups IS NULL OR z.nom = ANY (k.groups)
  JOIN accounts_dep.vid_oper vo ON vo.vid = k.vid
 WHERE z.id_class_item <> 1
 ORDER BY z.id, vo.id;

-- One norm per operation (units per 8-hour shift), a second with a higher norm and a
-- lower price for every third one; a norm shift pays about the kind's hourly rate.
INSERT INTO accounts_dep.norm (o_id, norma, prize, price)
SELECT o.id, n.norma, n.prize, round(k.rate * 8 * n.factor / n.norma, 2)::float8
  FROM accounts_dep.oper o
  JOIN accounts_dep.izdel z ON z.id = o.i_id
  JOIN accounts_dep.vid_oper vo ON vo.id = o.vid
  JOIN demo_kind k ON k.vid = vo.vid
 CROSS JOIN LATERAL (VALUES
        (1, round(160 / (z.massa * 10 + 1))::int, 10, 1.0 + (o.id % 5) * 0.05),
        (2, round(220 / (z.massa * 10 + 1))::int, 15, 1.2 + (o.id % 5) * 0.05)) n(no, norma, prize, factor)
 WHERE o.id > 7782 AND (n.no = 1 OR o.id % 3 = 0)
 ORDER BY o.id, n.no;

-- Hourly prices of the utility work and the initial average-piece-rate price.
UPDATE accounts_dep.norm SET price = 180.00 WHERE o_id = 7777;
UPDATE accounts_dep.norm SET price = 150.00 WHERE o_id = 7782;
UPDATE accounts_dep.norm SET price = 200.00 WHERE o_id = 7778;

-- Shift journal and utility-work journal of the last 31 days.
DO $$
DECLARE
    d       date;
    day_off boolean;
    w       record;
    o       record;
    pos     record;
    prod    t_id;
    sh      int;
    k       int;
    i       int;
    hrs     int[];
    price   float8;
    qty     numeric;
    bad     int;
    col     int;
    mark    text;
    grp     t_id;
    rate    numeric;
    crew    int[];
    groups  t_id[];
BEGIN
    PERFORM setseed(0.4711);
    SELECT array_agg(id ORDER BY id) INTO crew FROM accounts_dep.person;
    SELECT array_agg(id ORDER BY id) INTO groups FROM cmn_classifier.item WHERE id_level = 2 AND b_excluded = 0;

    FOR d IN SELECT g::date FROM generate_series(current_date - 30, current_date, interval '1 day') g LOOP
        day_off := extract(isodow FROM d) >= 6;

        -- Shift workers: a fixed shift each, one product a day, 1..3 operations of it.
        FOR w IN SELECT n, crew[n] AS id FROM generate_series(1, 36) n ORDER BY n LOOP
            IF random() >= (CASE WHEN day_off THEN 0.2 ELSE 0.9 END) THEN
                -- A missed working day is sometimes paid at the average piece rate.
                IF NOT day_off AND random() < 0.3 THEN
                    INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
                    VALUES (groups[1 + floor(random() * array_length(groups, 1))::int], 7778, w.id, d,
                            extract(month FROM d), extract(year FROM d), 1, 8, 200.00, 0, 0);
                END IF;
                CONTINUE;
            END IF;
            sh := 1 + w.n % 3;
            k := 1 + floor(random() * 3)::int;
            hrs := CASE k WHEN 1 THEN ARRAY[8]
                          WHEN 2 THEN CASE WHEN random() < 0.5 THEN ARRAY[4, 4] ELSE ARRAY[5, 3] END
                          ELSE ARRAY[3, 3, 2] END;
            SELECT z.id INTO prod FROM accounts_dep.izdel z WHERE z.id_class_item <> 1
             ORDER BY z.id OFFSET floor(random() * 40)::int LIMIT 1;
            i := 0;
            FOR o IN
                SELECT op.id, op.i_id, vo.vid,
                       (SELECT min(n.price) FROM accounts_dep.norm n WHERE n.o_id = op.id) AS price,
                       (SELECT min(n.norma) FROM accounts_dep.norm n WHERE n.o_id = op.id) AS norma
                  FROM accounts_dep.oper op JOIN accounts_dep.vid_oper vo ON vo.id = op.vid
                 WHERE op.i_id = prod
                 ORDER BY random()
                 LIMIT k
            LOOP
                i := i + 1;
                price := round((o.price * CASE WHEN day_off THEN 2 ELSE 1 END
                                         * CASE WHEN sh = 3 THEN 1.2 ELSE 1 END)::numeric, 4);
                qty := greatest(1, round(o.norma * hrs[i] / 8.0 * (0.7 + random() * 0.5)));
                bad := CASE WHEN random() < 0.12 THEN least(qty - 1, 1 + floor(random() * 3))::int ELSE 0 END;
                col := CASE WHEN upper(o.vid) LIKE '%КРАСКА%'
                            THEN (ARRAY[1, 1, 3020, 5005, 6005, 7035, 9003])[1 + floor(random() * 7)::int]
                            ELSE 0 END;
                mark := CASE WHEN d < current_date - 2 AND random() < 0.35 THEN 'ok'
                             WHEN random() < 0.03 THEN 'да'
                             ELSE 'no' END;
                INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "time",
                                                vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
                VALUES (w.id, o.i_id, o.id, price, qty, bad, d, sh, col, hrs[i],
                        d + make_interval(hours => 6 + 8 * (sh - 1) + 7, mins => floor(random() * 60)::int),
                        mark, 0, 0, 0, 0, 0, 0);
            END LOOP;

            -- Now and then two or three hours of overtime on the same product.
            IF NOT day_off AND random() < 0.07 THEN
                SELECT op.id, op.i_id, (SELECT min(n.price) FROM accounts_dep.norm n WHERE n.o_id = op.id) AS price
                  INTO o FROM accounts_dep.oper op WHERE op.i_id = prod ORDER BY op.id LIMIT 1;
                INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "time",
                                                vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
                VALUES (w.id, o.i_id, o.id, round((o.price * 1.5)::numeric, 4), 2 + floor(random() * 6), 0, d, 4, 0,
                        2 + floor(random() * 2)::int, d + interval '23 hours', 'no', 0, 0, 0, 0, 0, 0);
            END IF;
        END LOOP;

        -- Utility workers 37 and 38: a day of utility work, sometimes night hours too.
        FOR w IN SELECT n, crew[n] AS id FROM generate_series(37, 38) n ORDER BY n LOOP
            CONTINUE WHEN day_off AND random() < 0.7;
            grp := groups[1 + floor(random() * array_length(groups, 1))::int];
            k := CASE WHEN w.n = 38 AND random() < 0.4 THEN 7782 ELSE 7777 END;
            INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
            VALUES (grp, k, w.id, d, extract(month FROM d), extract(year FROM d), 1, 8,
                    CASE WHEN k = 7782 THEN 150.00 ELSE 180.00 END * CASE WHEN day_off THEN 2 ELSE 1 END,
                    day_off::int, 0);
            IF random() < 0.15 THEN
                INSERT INTO accounts_dep.fatigue (id_nom, id_o, id_p, d_date, i_mnth, i_year, i_smena, cnt, price, i_holiday, i_night)
                VALUES (grp, 7777, w.id, d, extract(month FROM d), extract(year FROM d), 1, 4,
                        CASE WHEN day_off THEN 432.00 ELSE 216.00 END, day_off::int, 1);
            END IF;
        END LOOP;

        CONTINUE WHEN day_off;

        -- Worker 39 helps a brigade of shift 1 (paid 0.7 of its money per hour),
        -- worker 40 paints (1.2 of the painters' money per hour).
        FOR w IN SELECT n, crew[n] AS id FROM generate_series(39, 40) n ORDER BY n LOOP
            CONTINUE WHEN random() < 0.4;
            SELECT sum((s.kol_vo - s.brak) * s.cena::numeric) / nullif(sum(s."time"), 0) AS rate
              INTO pos
              FROM accounts_dep.smena s JOIN accounts_dep.oper op ON op.id = s.o_id
              JOIN accounts_dep.vid_oper vo ON vo.id = op.vid
             WHERE s.data = d AND s.o_id > 7782
               AND (w.n = 39 AND s.smena = 1 OR w.n = 40 AND vo.vid = 'Покраска');
            CONTINUE WHEN pos.rate IS NULL;
            rate := round(pos.rate * CASE WHEN w.n = 39 THEN 0.7 ELSE 1.2 END, 2);
            INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "time",
                                            vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
            SELECT w.id, c, c, round(rate * 8, 2), 1, 0, d, 1, c, 8, d + interval '15 hours', 'no', 0, 0, 0, 0, 0, 0
              FROM (SELECT CASE WHEN w.n = 39 THEN 7781 ELSE 7780 END AS c) x;
        END LOOP;

        -- An auxiliary worker (one of 37, 38) on a position of shift 2: 70 % of its money per hour.
        IF random() < 0.5 THEN
            SELECT s.* INTO pos FROM accounts_dep.smena s
             WHERE s.data = d AND s.smena = 2 AND s."time" > 0 AND s.o_id > 7782
             ORDER BY s.id LIMIT 1;
            IF FOUND THEN
                rate := round(0.7 * (pos.kol_vo - pos.brak) * pos.cena::numeric / pos."time", 2);
                INSERT INTO accounts_dep.smena (w_id, i_id, o_id, cena, kol_vo, brak, data, smena, color, "time",
                                                vvod, ok, prize, id_doc, id_doc_item, f_gds_qty_use, id_gds_use, id_cons_use)
                VALUES (crew[37 + (extract(day FROM d)::int % 2)], pos.i_id, 7779, rate * 4, 1, 0, d, 2, pos.color, 4,
                        d + interval '22 hours', 'no', 0, 0, 0, 0, 0, 0);
            END IF;
        END IF;
    END LOOP;
END $$;

-- Average piece rate of the 7778 hours: the worker's money per hour in the shift
-- journal of the month, with the night and day-off factors.
UPDATE accounts_dep.fatigue f
   SET price = coalesce((
        SELECT CASE WHEN coalesce(sum(s."time"), 0) = 0 THEN 0
                    ELSE (sum((s.kol_vo - s.brak) * s.cena::numeric) / sum(s."time")
                          * (1 + 0.2 * f.i_night) * CASE WHEN f.i_holiday = 0 THEN 1 ELSE 2 END)::numeric(10,2)
               END
          FROM accounts_dep.smena s
         WHERE s.w_id = f.id_p
           AND s.data >= make_date(f.i_year, f.i_mnth, 1)
           AND s.data < make_date(f.i_year, f.i_mnth, 1) + interval '1 month'), 0)
 WHERE f.id_o = 7778;

-- Timesheet day cells from the journals.
\ir timesheet_from_journals.sql
