-- Rows every database needs: the reserved operation codes and the version row.
--   7777, 7782  utility work (two kinds, always treated together)
--   7778        hours paid at the average piece rate
--   7779        pay of the auxiliary workers of a position
--   7780        painting-operator pay
--   7781        brigade-helper pay
-- Each code is an operation kind, an operation and a product with that id, so the
-- journal's inner joins keep the rows written with it.

SET client_min_messages = warning;

-- Group of the service products; excluded so the group pickers do not offer it.
INSERT INTO cmn_classifier.item (id, id_classifier, id_level, s_code, s_caption, b_excluded)
VALUES (1, 1, 2, 'SRV', 'Служебные операции', 1);

INSERT INTO accounts_dep.vid_oper (id, vid) VALUES
    (7777, 'Хоз. работы'),
    (7778, 'Ср. сдельная'),
    (7779, 'Подсобные рабочие'),
    (7780, 'Оператор покраски'),
    (7781, 'Подсобный рабочий бригады'),
    (7782, 'Хоз. работы (доп.)');

INSERT INTO cmn_gds_and_srv.gds_and_srv (id, s_caption, s_description, id_msm_bs, massa, id_class_item)
SELECT id, vid, '', 6, 0, 1 FROM accounts_dep.vid_oper WHERE id BETWEEN 7777 AND 7782;

INSERT INTO accounts_dep.oper (id, vid, naimen, i_id, cena_new)
SELECT id, id, 0, id, 0 FROM accounts_dep.vid_oper WHERE id BETWEEN 7777 AND 7782;

-- Norms give the utility-work kinds their hourly price (the entry dialog lists a
-- kind once per norm) and put them into the operations list, where they are
-- reserved. 7779..7781 get no norm: they must not be picked for a position.
INSERT INTO accounts_dep.norm (o_id, norma, prize, price) VALUES
    (7777, 1, 0, 0),
    (7778, 1, 0, 0),
    (7782, 1, 0, 0);

INSERT INTO accounts_dep.ver (d, t, delim) VALUES (0, 0, '.');

-- Server-generated ids start after the reserved ones.
DO $$
BEGIN
    PERFORM setval('accounts_dep.vid_oper_id_seq', 7782);
    PERFORM setval('accounts_dep.oper_id_seq', 7782);
    PERFORM setval('cmn_gds_and_srv.gds_and_srv_id_seq', 7782);
    PERFORM setval('cmn_classifier.item_id_seq', (SELECT max(id) FROM cmn_classifier.item)::bigint);
END $$;
